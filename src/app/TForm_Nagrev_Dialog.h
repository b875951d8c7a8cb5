#pragma once

#include <QDialog>

class QRadioButton;

// Asks which kind of supply system the new assembled unit is: 0 without change of air temperature,
// 1 with heater and cooler, 2 with heater, 3 with cooler. The choice is kept for the next time.
class TForm_Nagrev_Dialog : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Nagrev_Dialog(QWidget* parent = nullptr);

    // Shows the dialog modally; the chosen kind, or -1 when the user cancels with Escape.
    int askKind();
    int selectedKind() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRadioButton* m_buttons[4]; // indexed by kind
};
