#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A captioned group of mutually exclusive choices addressed by item index, laid out in a given number
// of columns. The index is what project files and stored inputs keep.
class RadioGroupWidget : public QGroupBox {
    Q_OBJECT
public:
    RadioGroupWidget(
        const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int itemIndex() const;
    // An index outside the items clears the choice.
    void setItemIndex(int index);
    int count() const;

Q_SIGNALS:
    // Emitted whenever the chosen item changes, by the user or by setItemIndex().
    void itemIndexChanged(int index);

private:
    QButtonGroup* m_buttons;
};
