#include "ElementPicture.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace unitpictures {

namespace {

// The casing occupies the upper part of the picture; the band below is for the length text.
constexpr double casingTop = 18;
constexpr double casingBottom = 112;
const QColor ink(20, 30, 60);
const QColor casingFill(236, 241, 247);
const QColor selectedFill(255, 247, 190);
const QColor selectedFrame(0, 0, 128);

int widthOf(Symbol symbol, double length)
{
    switch (symbol) {
    case Symbol::Louvre:
    case Symbol::Connector:
        return 64;
    case Symbol::AirDamper:
    case Symbol::CheckDamper:
    case Symbol::PanelFilter:
        return 76;
    case Symbol::MixingDamper:
        return 90;
    case Symbol::BagFilter:
    case Symbol::LoadedBagFilter:
    case Symbol::Heater:
    case Symbol::Cooler:
    case Symbol::OtherElement:
        return 96;
    case Symbol::Silencer: // a longer silencer is drawn longer
        return std::clamp(int(std::lround(70 + length * 0.06)), 90, 150);
    case Symbol::Fan:
        return 130;
    case Symbol::Duct:
        return 96;
    }
    return 96;
}

QPen pen(double width = 1.6)
{
    return QPen(ink, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
}

// The casing of one section with its flanges.
QRectF drawCasing(QPainter& p, int width, bool withFlanges = true)
{
    const QRectF body(4.5, casingTop, width - 9, casingBottom - casingTop);
    p.setPen(pen(2));
    p.setBrush(casingFill);
    p.drawRect(body);
    if (withFlanges) {
        p.setPen(pen(2.4));
        for (double x : {body.left(), body.right()})
            p.drawLine(QPointF(x, casingTop - 5), QPointF(x, casingBottom + 5));
    }
    return body;
}

void drawLouvre(QPainter& p, const QRectF& body)
{
    p.setPen(pen(2));
    const double step = body.height() / 7;
    for (int i = 1; i < 7; ++i) {
        const double y = body.top() + i * step;
        p.drawLine(QPointF(body.left() + 8, y + 5), QPointF(body.right() - 8, y - 5));
    }
    // The bird screen of the outer grille.
    p.setPen(QPen(ink, 1, Qt::DotLine));
    p.drawLine(QPointF(body.left() + 4, body.top() + 2), QPointF(body.left() + 4, body.bottom() - 2));
}

void drawDamperBlade(QPainter& p, const QPointF& centre, double half, double angle)
{
    const double dx = half * std::cos(angle);
    const double dy = half * std::sin(angle);
    p.setPen(pen(2.4));
    p.drawLine(centre - QPointF(dx, dy), centre + QPointF(dx, dy));
    p.setBrush(ink);
    p.setPen(pen(1));
    p.drawEllipse(centre, 3, 3);
}

void drawAirDamper(QPainter& p, const QRectF& body)
{
    const double x = body.center().x();
    const double quarter = body.height() / 4;
    for (int i = 0; i < 2; ++i)
        drawDamperBlade(p, QPointF(x, body.top() + quarter * (1 + 2 * i)), quarter * 0.9, -0.9);
}

void drawCheckDamper(QPainter& p, const QRectF& body)
{
    // Gravity blades hanging from their hinges, opened by the air.
    const double x = body.left() + 18;
    const double step = body.height() / 3;
    for (int i = 0; i < 3; ++i) {
        const QPointF hinge(x, body.top() + i * step + 4);
        p.setPen(pen(2.2));
        p.drawLine(hinge, hinge + QPointF(22, step - 10));
        p.setBrush(ink);
        p.setPen(pen(1));
        p.drawEllipse(hinge, 2.5, 2.5);
    }
}

void drawMixingDamper(QPainter& p, const QRectF& body)
{
    // The return-air branch on top, with its own damper.
    const double x = body.center().x();
    const QRectF branch(x - 16, 2, 32, body.top() - 2);
    p.setPen(pen(2));
    p.setBrush(casingFill);
    p.drawRect(branch);
    p.setPen(QPen(casingFill, 3));
    p.drawLine(QPointF(branch.left() + 1.5, body.top()), QPointF(branch.right() - 1.5, body.top()));
    drawDamperBlade(p, QPointF(x, body.top() + 6), 12, 0.0);
    drawDamperBlade(p, QPointF(x - 14, body.center().y() + 14), body.height() / 4, -0.9);
}

void drawPanelFilter(QPainter& p, const QRectF& body)
{
    const double x = body.center().x();
    QPainterPath pleats;
    const int folds = 8;
    const double step = (body.height() - 8) / folds;
    pleats.moveTo(x - 7, body.top() + 4);
    for (int i = 1; i <= folds; ++i)
        pleats.lineTo(i % 2 ? x + 7 : x - 7, body.top() + 4 + i * step);
    p.setPen(pen(1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(pleats);
    p.setPen(pen(1));
    p.drawLine(QPointF(x - 11, body.top()), QPointF(x - 11, body.bottom()));
    p.drawLine(QPointF(x + 11, body.top()), QPointF(x + 11, body.bottom()));
}

void drawBagFilter(QPainter& p, const QRectF& body, bool loaded)
{
    const int bags = 4;
    const double step = body.height() / bags;
    const double frame = body.left() + 14;
    p.setPen(pen(2.2));
    p.drawLine(QPointF(frame, body.top()), QPointF(frame, body.bottom()));
    for (int i = 0; i < bags; ++i) {
        QPainterPath bag;
        bag.moveTo(frame, body.top() + i * step + 2);
        bag.lineTo(body.right() - 10, body.top() + (i + 0.5) * step);
        bag.lineTo(frame, body.top() + (i + 1) * step - 2);
        p.setPen(pen(1.6));
        p.setBrush(loaded ? QBrush(QColor(150, 150, 150), Qt::Dense5Pattern) : QBrush(Qt::white));
        p.drawPath(bag);
    }
}

void drawCoil(QPainter& p, const QRectF& body, bool heating)
{
    // The coil symbol: the section crossed by its diagonal, with + for heating and − for cooling.
    const QRectF coil = body.adjusted(10, 8, -10, -8);
    p.setPen(pen(1.6));
    p.setBrush(Qt::white);
    p.drawRect(coil);
    p.drawLine(coil.bottomLeft(), coil.topRight());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.setPen(heating ? QColor(190, 30, 30) : QColor(20, 80, 190));
    const QRectF upper(coil.left(), coil.top(), coil.width() / 2, coil.height() / 2);
    p.drawText(upper, Qt::AlignCenter, heating ? QStringLiteral("+") : QStringLiteral("−"));
    // The pipes of the coil.
    p.setPen(pen(2));
    const double pipeX = coil.right() - 12;
    p.drawLine(QPointF(pipeX, coil.bottom()), QPointF(pipeX, casingBottom + 8));
    p.drawLine(QPointF(pipeX - 10, coil.bottom()), QPointF(pipeX - 10, casingBottom + 8));
}

void drawSilencer(QPainter& p, const QRectF& body)
{
    // Splitters of sound-absorbing material along the air path.
    const int splitters = 3;
    const double gap = body.height() / (splitters * 2 + 1);
    for (int i = 0; i < splitters; ++i) {
        const QRectF splitter(body.left() + 8, body.top() + gap * (1 + 2 * i), body.width() - 16, gap);
        p.setPen(pen(1.4));
        p.setBrush(QBrush(QColor(120, 120, 120), Qt::BDiagPattern));
        p.drawRoundedRect(splitter, gap / 2, gap / 2);
    }
}

void drawConnector(QPainter& p, int width)
{
    // Flexible sleeve between two flanges.
    p.setPen(pen(2.4));
    const double left = 6.5;
    const double right = width - 6.5;
    for (double x : {left, right})
        p.drawLine(QPointF(x, casingTop - 5), QPointF(x, casingBottom + 5));
    p.setPen(pen(1.6));
    for (double y : {casingTop, casingBottom}) {
        QPainterPath wave;
        wave.moveTo(left, y);
        const int waves = 4;
        const double step = (right - left) / waves;
        for (int i = 0; i < waves; ++i)
            wave.quadTo(left + step * (i + 0.5), y + (i % 2 ? 6 : -6), left + step * (i + 1), y);
        p.drawPath(wave);
    }
}

void drawFan(QPainter& p, const QRectF& body)
{
    // A centrifugal wheel in its casing: the circle with its blades.
    const QPointF c = body.center();
    const double r = std::min(body.width(), body.height()) / 2 - 8;
    p.setPen(pen(2));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(pen(1.6));
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        const QPointF inner = c + QPointF(std::cos(a), std::sin(a)) * r * 0.35;
        const QPointF outer = c + QPointF(std::cos(a + 0.5), std::sin(a + 0.5)) * r * 0.9;
        p.drawLine(inner, outer);
    }
    p.setBrush(ink);
    p.drawEllipse(c, r * 0.18, r * 0.18);
    // The motor beneath, on its frame.
    p.setBrush(casingFill);
    p.setPen(pen(1.6));
    p.drawRect(QRectF(c.x() - 14, body.bottom() - 2, 28, 10));
}

void drawDuct(QPainter& p, int width, const QString& caption)
{
    // The duct leaving the unit, open at its far end.
    p.setPen(pen(2));
    p.setBrush(casingFill);
    QPainterPath duct;
    duct.moveTo(width - 4.5, casingTop);
    duct.lineTo(14, casingTop);
    duct.lineTo(14, casingBottom);
    duct.lineTo(width - 4.5, casingBottom);
    p.drawPath(duct);
    p.setPen(pen(2.4));
    p.drawLine(QPointF(width - 4.5, casingTop - 5), QPointF(width - 4.5, casingBottom + 5));
    p.setPen(QPen(ink, 1.2, Qt::DashLine));
    p.drawLine(QPointF(6, casingTop), QPointF(14, casingTop));
    p.drawLine(QPointF(6, casingBottom), QPointF(14, casingBottom));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(14, casingTop, width - 18, casingBottom - casingTop), Qt::AlignCenter,
        QString(caption).replace(QLatin1Char('*'), QStringLiteral("×")));
}

void drawOther(QPainter& p, const QRectF& body)
{
    p.setPen(pen(1.4));
    p.drawLine(body.topLeft(), body.bottomRight());
    p.drawLine(body.bottomLeft(), body.topRight());
}

} // namespace

QImage elementPicture(Symbol symbol, Look look, double length, const QString& caption)
{
    const int width = widthOf(symbol, length);
    QImage image(width, pictureHeight, QImage::Format_RGB32);
    image.fill(look == Look::Selected ? selectedFill : QColor(Qt::white));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (symbol == Symbol::Connector) {
        drawConnector(p, width);
    } else if (symbol == Symbol::Duct) {
        drawDuct(p, width, caption);
    } else {
        const QRectF body = drawCasing(p, width);
        switch (symbol) {
        case Symbol::Louvre:
            drawLouvre(p, body);
            break;
        case Symbol::AirDamper:
            drawAirDamper(p, body);
            break;
        case Symbol::CheckDamper:
            drawCheckDamper(p, body);
            break;
        case Symbol::MixingDamper:
            drawMixingDamper(p, body);
            break;
        case Symbol::PanelFilter:
            drawPanelFilter(p, body);
            break;
        case Symbol::BagFilter:
        case Symbol::LoadedBagFilter:
            drawBagFilter(p, body, symbol == Symbol::LoadedBagFilter);
            break;
        case Symbol::Heater:
        case Symbol::Cooler:
            drawCoil(p, body, symbol == Symbol::Heater);
            break;
        case Symbol::Silencer:
            drawSilencer(p, body);
            break;
        case Symbol::Fan:
            drawFan(p, body);
            break;
        default:
            drawOther(p, body);
            break;
        }
    }
    if (look == Look::Selected) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QPen(selectedFrame, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(1, 1, width - 2, pictureHeight - 2));
    }
    return image;
}

QImage emptySlotPicture(bool printed)
{
    QImage image(64, pictureHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!printed) {
        QPainter p(&image);
        p.setPen(QPen(QColor(200, 205, 215), 1, Qt::DashDotLine));
        const int axis = int((casingTop + casingBottom) / 2);
        p.drawLine(0, axis, image.width(), axis);
    }
    return image;
}

QImage condensingUnitPicture()
{
    QImage image(110, 96, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF casing(6.5, 10.5, 97, 72);
    p.setPen(pen(2));
    p.setBrush(casingFill);
    p.drawRect(casing);
    // The condenser fan behind its grille.
    const QPointF c(casing.left() + 34, casing.center().y());
    p.setBrush(Qt::white);
    p.drawEllipse(c, 27, 27);
    p.setPen(pen(1));
    for (double r : {8.0, 14.0, 20.0})
        p.drawEllipse(c, r, r);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2 + 0.4;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * 26);
    }
    // Condenser fins at the side.
    p.setPen(pen(1));
    for (double x = casing.left() + 68; x < casing.right() - 4; x += 5)
        p.drawLine(QPointF(x, casing.top() + 8), QPointF(x, casing.bottom() - 8));
    // Feet and the two refrigerant lines.
    p.setPen(pen(2));
    p.drawLine(
        QPointF(casing.left() + 10, casing.bottom()), QPointF(casing.left() + 10, casing.bottom() + 7));
    p.drawLine(
        QPointF(casing.right() - 10, casing.bottom()), QPointF(casing.right() - 10, casing.bottom() + 7));
    p.setPen(QPen(QColor(20, 80, 190), 2));
    p.drawLine(QPointF(casing.right(), casing.bottom() - 14), QPointF(image.width(), casing.bottom() - 14));
    p.setPen(QPen(QColor(190, 30, 30), 2));
    p.drawLine(QPointF(casing.right(), casing.bottom() - 22), QPointF(image.width(), casing.bottom() - 22));
    return image;
}

} // namespace unitpictures
