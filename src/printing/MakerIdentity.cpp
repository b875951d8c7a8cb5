#include "printing/MakerIdentity.h"

#include "common/ProgramFolder.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace maker {
namespace {

// A stylised four-blade impeller in a ring, in the maker's colours.
QPixmap drawnEmblem(int height)
{
    const qreal ratio = 2.0;
    QPixmap pixmap(QSize(height, height) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(height / 2.0, height / 2.0);
    const qreal radius = height / 2.0 - 1.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(logoColor());
    for (int blade = 0; blade < 4; ++blade) {
        painter.save();
        painter.translate(centre);
        painter.rotate(blade * 90.0);
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(
            radius * 0.15, -radius * 0.55, radius * 0.75, -radius * 0.75, radius * 0.8, -radius * 0.2);
        path.cubicTo(radius * 0.55, -radius * 0.3, radius * 0.3, -radius * 0.15, 0, 0);
        painter.drawPath(path);
        painter.restore();
    }
    painter.drawEllipse(centre, radius * 0.16, radius * 0.16);
    QPen ring(logoColor());
    ring.setWidthF(qMax(1.0, height / 14.0));
    painter.setPen(ring);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - ring.widthF() / 2, radius - ring.widthF() / 2);
    return pixmap;
}

} // namespace

QString name()
{
    return QStringLiteral("Производственное объединение ЗЕФИРОН");
}

QString webAddress()
{
    return QStringLiteral("www.zefiron.ru");
}

QUrl webUrl()
{
    return QUrl(QStringLiteral("https://www.zefiron.ru"));
}

QColor logoColor()
{
    return QColor(88, 12, 12);
}

QPixmap logo(int height)
{
    const QString path = programFilePath(QStringLiteral("Logo.bmp"));
    QPixmap picture;
    if (QFileInfo::exists(path) && picture.load(path))
        return picture.scaledToHeight(height, Qt::SmoothTransformation);
    return drawnEmblem(height);
}

} // namespace maker
