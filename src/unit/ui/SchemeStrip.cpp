#include "unit/ui/SchemeStrip.h"

#include <QPainter>

SchemeStrip::SchemeStrip(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SchemeStrip"));
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void SchemeStrip::setSlot(int slot, const QImage& picture, const QString& fileName)
{
    if (slot < 1 || slot > unit::stripSlots)
        return;
    m_slots[size_t(slot - 1)] = {picture, fileName};
    updateGeometry();
    update();
}

QString SchemeStrip::slotFile(int slot) const
{
    return slot >= 1 && slot <= unit::stripSlots ? m_slots[size_t(slot - 1)].file : QString();
}

void SchemeStrip::clearSlots()
{
    m_slots = {};
    updateGeometry();
    update();
}

QRect SchemeStrip::slotRect(int slot) const
{
    int x = 0;
    for (int s = 1; s <= unit::stripSlots; ++s) {
        const QImage& picture = m_slots[size_t(s - 1)].picture;
        if (s == slot)
            return QRect(x, (height() - picture.height()) / 2, picture.width(), picture.height());
        x += picture.width();
    }
    return {};
}

QSize SchemeStrip::sizeHint() const
{
    int width = 0;
    int height = 0;
    for (const Slot& slot : m_slots) {
        width += slot.picture.width();
        height = std::max(height, slot.picture.height());
    }
    return QSize(width, height);
}

void SchemeStrip::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int s = 1; s <= unit::stripSlots; ++s) {
        const QImage& picture = m_slots[size_t(s - 1)].picture;
        if (!picture.isNull())
            p.drawImage(slotRect(s).topLeft(), picture);
    }
}
