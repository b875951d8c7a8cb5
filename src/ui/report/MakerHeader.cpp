#include "ui/report/MakerHeader.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace report {

QString makerLine()
{
    return QStringLiteral("Производственное объединение ЗЕФИРОН");
}

QString makerWebAddress()
{
    return QStringLiteral("www.zefiron.ru");
}

QImage makerLogo()
{
    // Drawn at 600 dpi so that it stays sharp on paper: 23.8 × 11.9 mm.
    constexpr int width = 562;
    constexpr int height = 281;
    QImage logo(width, height, QImage::Format_ARGB32_Premultiplied);
    logo.setDotsPerMeterX(qRound(600 / 0.0254));
    logo.setDotsPerMeterY(qRound(600 / 0.0254));
    logo.fill(Qt::transparent);

    QPainter painter(&logo);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    const QColor navy(0x12, 0x3a, 0x7a);
    QRectF plate(6, 6, width - 12, height - 12);
    QLinearGradient fill(plate.topLeft(), plate.bottomLeft());
    fill.setColorAt(0.0, QColor(0x2f, 0x6f, 0xc4));
    fill.setColorAt(1.0, navy);
    painter.setPen(QPen(navy, 6));
    painter.setBrush(fill);
    painter.drawRoundedRect(plate, 40, 40);

    // A four-blade impeller on the left of the plate.
    const QPointF hub(plate.left() + 120, plate.center().y());
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (int blade = 0; blade < 4; ++blade) {
        painter.save();
        painter.translate(hub);
        painter.rotate(blade * 90.0 + 20.0);
        QPainterPath path;
        path.moveTo(0, 0);
        path.cubicTo(30, -70, 95, -60, 92, -14);
        path.cubicTo(70, 4, 30, 10, 0, 0);
        painter.drawPath(path);
        painter.restore();
    }
    painter.setBrush(navy);
    painter.drawEllipse(hub, 16, 16);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(92);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(plate.left() + 230, plate.top(), plate.width() - 240, plate.height() * 0.66),
        Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("ЗФН"));
    font.setPixelSize(40);
    font.setBold(false);
    painter.setFont(font);
    painter.drawText(QRectF(plate.left() + 232, plate.top() + plate.height() * 0.64, plate.width() - 240, 60),
        Qt::AlignLeft | Qt::AlignTop, QStringLiteral("ЗЕФИРОН"));
    return logo;
}

} // namespace report
