#pragma once

#include "unit/UnitScheme.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

// The picture strip of the arrangement scheme as it is printed: the slots side by side from the left in slot
// order, each as wide as its picture; an empty slot takes no room.
class SchemeStrip : public QWidget {
    Q_OBJECT
public:
    explicit SchemeStrip(QWidget* parent = nullptr);

    void setSlot(int slot, const QImage& picture, const QString& fileName);
    void clearSlots();
    // The file shown in a slot (1 … 32).
    QString slotFile(int slot) const;
    // Slot rectangles in the widget, for tests and for painting.
    QRect slotRect(int slot) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Slot {
        QImage picture;
        QString file;
    };
    std::array<Slot, unit::stripSlots> m_slots;
};
