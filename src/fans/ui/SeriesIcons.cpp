#include "fans/ui/SeriesIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <functional>

namespace fans {
namespace {

constexpr int side = 16;
const QColor steel(70, 100, 140);

enum class Picture { RoundDuct, RectangularDuct, SquareDuct, Roof, Pressurization, SmokeRoof, SmokeRadial };
constexpr int pictureCount = 7;

void paint(QPainter& p, Picture picture)
{
    p.setPen(QPen(steel, 1.5));
    switch (picture) {
    case Picture::RoundDuct: // a round duct seen from its end, with the impeller hub
        p.setBrush(QColor(200, 220, 240));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(steel);
        p.drawEllipse(QRectF(6, 6, 4, 4));
        break;
    case Picture::RectangularDuct:
        p.setBrush(QColor(220, 230, 200));
        p.drawRect(QRectF(1.5, 4.5, 13, 7));
        break;
    case Picture::SquareDuct: // rectangular and square sections
        p.setBrush(QColor(220, 230, 200));
        p.drawRect(QRectF(0.5, 5.5, 9, 5));
        p.setBrush(QColor(240, 220, 170));
        p.drawRect(QRectF(8.5, 2.5, 7, 7));
        break;
    case Picture::Roof: { // a roof with the fan on its ridge
        QPainterPath roof;
        roof.moveTo(1, 14);
        roof.lineTo(8, 8);
        roof.lineTo(15, 14);
        p.setBrush(Qt::NoBrush);
        p.drawPath(roof);
        p.setBrush(QColor(200, 90, 60));
        p.drawRect(QRectF(5.5, 2.5, 5, 5));
        break;
    }
    case Picture::Pressurization: // air driven into a staircase
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(QRectF(7.5, 1.5, 7, 13));
        p.setPen(QPen(QColor(200, 40, 40), 2));
        p.drawLine(QPointF(1, 8), QPointF(7, 8));
        p.drawLine(QPointF(4.5, 5.5), QPointF(7, 8));
        p.drawLine(QPointF(4.5, 10.5), QPointF(7, 8));
        break;
    case Picture::SmokeRoof: { // a roof fan blowing the smoke out upwards
        QPainterPath roof;
        roof.moveTo(1, 15);
        roof.lineTo(8, 10);
        roof.lineTo(15, 15);
        p.drawPath(roof);
        p.setBrush(QColor(200, 90, 60));
        p.drawRect(QRectF(5.5, 5.5, 5, 4));
        p.setPen(QPen(QColor(120, 120, 120), 1.5));
        p.drawLine(QPointF(8, 4.5), QPointF(8, 0.5));
        break;
    }
    case Picture::SmokeRadial: // a radial fan's scroll casing
        p.setBrush(QColor(200, 220, 240));
        p.drawEllipse(QRectF(1.5, 3.5, 11, 11));
        p.drawRect(QRectF(9.5, 1.5, 5, 5));
        p.setBrush(steel);
        p.drawEllipse(QRectF(5.5, 7.5, 3, 3));
        break;
    }
}

// Drawn once per program: the lists ask for the same few pictures for every series.
QIcon icon(Picture picture)
{
    static std::array<QIcon, pictureCount> icons;
    QIcon& cached = icons[size_t(picture)];
    if (cached.isNull()) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, picture);
        p.end();
        cached = QIcon(pixmap);
    }
    return cached;
}

} // namespace

QIcon generalSeriesIcon(int number)
{
    if (number < 0 || number > int(Picture::Pressurization))
        return {};
    return icon(Picture(number));
}

QIcon smokeSeriesIcon(int number)
{
    if (number < 0 || number > 1)
        return {};
    return icon(number == 0 ? Picture::SmokeRoof : Picture::SmokeRadial);
}

} // namespace fans
