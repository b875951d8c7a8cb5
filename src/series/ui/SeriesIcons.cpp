#include "series/ui/SeriesIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

constexpr int side = 16;

QPixmap draw(int icon)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor metal(70, 110, 170);
    p.setPen(QPen(metal.darker(150), 1.2));
    p.setBrush(metal.lighter(150));
    switch (icon) {
    case 0: // a round duct end with the impeller hub
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(metal.darker(120));
        p.drawEllipse(QRectF(6, 6, 4, 4));
        break;
    case 1: // a flat rectangular duct end
        p.drawRect(QRectF(1.5, 4.5, 13, 7));
        break;
    case 2: // rectangular with a square one behind
        p.drawRect(QRectF(5.5, 1.5, 9, 9));
        p.drawRect(QRectF(1.5, 8.5, 10, 6));
        break;
    case 3: { // a roof with the fan hood on top
        QPainterPath roof;
        roof.moveTo(0.5, 14.5);
        roof.lineTo(8, 8);
        roof.lineTo(15.5, 14.5);
        roof.closeSubpath();
        p.setBrush(QColor(170, 60, 50));
        p.drawPath(roof);
        p.setBrush(metal.lighter(150));
        p.drawRect(QRectF(5.5, 2.5, 5, 5));
        break;
    }
    default: { // pressurization: air pushed in
        p.drawRect(QRectF(1.5, 1.5, 13, 13));
        QPainterPath arrow;
        arrow.moveTo(3, 8);
        arrow.lineTo(9, 8);
        arrow.moveTo(7, 5);
        arrow.lineTo(10.5, 8);
        arrow.lineTo(7, 11);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(200, 40, 40), 1.8));
        p.drawPath(arrow);
        break;
    }
    }
    return pixmap;
}

} // namespace

QIcon seriesIcon(int icon)
{
    return QIcon(draw(icon));
}
