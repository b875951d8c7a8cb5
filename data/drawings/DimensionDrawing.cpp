#include "DimensionDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace drawings {
namespace {

constexpr int width = 960;
constexpr int height = 680;
const QRectF frontBox(40, 80, 420, 430);
const QRectF sideBox(500, 80, 420, 430);

const QColor ink(20, 20, 20);
const QColor dimension(0, 70, 160);
const QColor hidden(110, 110, 110);

// Millimetres to pixels inside one view: the view's extent fits its box with room for dimensions.
class View {
public:
    View(const QRectF& box, double extentX, double extentY)
        : m_scale(std::min((box.width() - 110) / extentX, (box.height() - 110) / extentY))
        , m_centre(box.center())
    {
    }
    double px(double mm) const { return mm * m_scale; }
    // A point given in mm from the view's centre (y downwards).
    QPointF at(double x, double y) const { return m_centre + QPointF(px(x), px(y)); }
    QRectF rect(double x, double y, double w, double h) const
    {
        return QRectF(at(x, y), QSizeF(px(w), px(h)));
    }
    QRectF circle(double cx, double cy, double diameter) const
    {
        return rect(cx - diameter / 2, cy - diameter / 2, diameter, diameter);
    }

private:
    double m_scale;
    QPointF m_centre;
};

void arrowHead(QPainter& p, QPointF tip, QPointF from)
{
    const QLineF back(tip, from);
    QLineF side = back;
    side.setLength(9);
    QPolygonF head;
    head << tip;
    side.setAngle(back.angle() + 18);
    head << side.p2();
    side.setAngle(back.angle() - 18);
    head << side.p2();
    p.setBrush(dimension);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// A dimension between two points of the outline, drawn `offset` pixels aside (perpendicular, to the
// left of the direction from a to b), with extension lines and the value written along it.
void dimensionLine(QPainter& p, QPointF a, QPointF b, double offset, const QString& text)
{
    const QLineF base(a, b);
    QLineF normal = base.normalVector();
    normal.setLength(offset);
    const QPointF shift = normal.p2() - normal.p1();
    const QPointF da = a + shift;
    const QPointF db = b + shift;
    QLineF extension = normal;
    extension.setLength(offset + (offset > 0 ? 6 : -6));
    const QPointF overshoot = extension.p2() - extension.p1();
    p.setPen(QPen(dimension, 1));
    p.drawLine(a, a + overshoot);
    p.drawLine(b, b + overshoot);
    p.drawLine(da, db);
    arrowHead(p, da, db);
    arrowHead(p, db, da);
    p.save();
    p.translate((da + db) / 2);
    double angle = -base.angle();
    if (angle < -90)
        angle += 180;
    p.rotate(angle);
    p.setFont(QFont(u"Arial"_s, 11, QFont::Bold));
    p.setPen(dimension);
    const QRectF label(-120, offset < 0 && angle > -45 ? -24 : -24, 240, 20);
    p.drawText(label, Qt::AlignHCenter | Qt::AlignBottom, text);
    p.restore();
}

// A diameter marked by a leader from the circle's edge to its text.
void diameterLeader(QPainter& p, QPointF centre, double radius, double angleDegrees, const QString& text)
{
    const double a = qDegreesToRadians(angleDegrees);
    const QPointF edge = centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
    const QPointF knee = centre + QPointF((radius + 40) * std::cos(a), -(radius + 40) * std::sin(a));
    const QPointF end = knee + QPointF(std::cos(a) >= 0 ? 70 : -70, 0);
    p.setPen(QPen(dimension, 1));
    p.drawLine(knee, edge);
    arrowHead(p, edge, knee);
    p.drawLine(knee, end);
    p.setFont(QFont(u"Arial"_s, 11, QFont::Bold));
    const QRectF label = std::cos(a) >= 0 ? QRectF(knee.x(), knee.y() - 20, 90, 18)
                                          : QRectF(end.x() - 20, knee.y() - 20, 90, 18);
    p.drawText(label, Qt::AlignLeft | Qt::AlignBottom, text);
}

void centreLines(QPainter& p, QPointF centre, double half)
{
    p.setPen(QPen(hidden, 1, Qt::DashDotLine));
    p.drawLine(centre - QPointF(half, 0), centre + QPointF(half, 0));
    p.drawLine(centre - QPointF(0, half), centre + QPointF(0, half));
}

void outlinePen(QPainter& p, double w = 2)
{
    p.setPen(QPen(ink, w));
    p.setBrush(Qt::NoBrush);
}

void hole(QPainter& p, QPointF centre)
{
    p.setPen(QPen(ink, 1.2));
    p.drawEllipse(centre, 4, 4);
}

QString mm(int value)
{
    return QString::number(value);
}

QString diameter(int value)
{
    return u"\u2300"_s + QString::number(value);
}

// Sizes the drawing needs even where the catalogue gives none, derived from the impeller.
struct Sizes {
    double a, b, d, length;
};

Sizes sizesOf(const DrawingFacts& f)
{
    Sizes s;
    s.d = f.d > 0 ? f.d : 300;
    s.a = f.a > 0 ? f.a : s.d * (f.outline == Outline::Roof ? 1.7 : 1.0);
    s.b = f.b > 0 ? f.b : (f.outline == Outline::RectangularDuct ? s.a / 2 : s.a);
    s.length = f.length > 0 ? f.length : s.d * 1.6;
    return s;
}

void drawRoundDuct(QPainter& p, const DrawingFacts& f, const Sizes& s)
{
    const double casing = std::max(s.a, s.d) * 1.3;
    const View front(frontBox, casing, casing);
    outlinePen(p);
    p.drawRect(front.rect(-casing / 2, -casing / 2, casing, casing));
    p.drawEllipse(front.circle(0, 0, s.a));
    p.setPen(QPen(hidden, 1.2, Qt::DashLine));
    p.drawEllipse(front.circle(0, 0, s.d));
    outlinePen(p, 1.5);
    p.drawEllipse(front.circle(0, 0, s.d * 0.28));
    const double inset = casing / 2 - casing * 0.07;
    for (const auto& [x, y] : {std::pair(-1, -1), std::pair(1, -1), std::pair(-1, 1), std::pair(1, 1)})
        hole(p, front.at(x * inset, y * inset));
    centreLines(p, front.at(0, 0), front.px(casing / 2) + 14);
    if (f.a > 0)
        dimensionLine(p, front.at(-s.a / 2, casing / 2), front.at(s.a / 2, casing / 2), -34, diameter(f.a));
    if (f.d > 0)
        diameterLeader(p, front.at(0, 0), front.px(s.d / 2), 45, diameter(f.d));

    const double body = s.length * 0.7;
    const View side(sideBox, s.length, casing * 1.2);
    outlinePen(p);
    p.drawRect(side.rect(-body / 2, -casing / 2, body, casing));
    p.drawRect(side.rect(-s.length / 2, -s.a / 2, (s.length - body) / 2, s.a));
    p.drawRect(side.rect(body / 2, -s.a / 2, (s.length - body) / 2, s.a));
    // Mounting brackets under the casing, each with its fixing hole.
    for (const double x : {-body / 2 + body * 0.08, body / 2 - body * 0.08 - casing * 0.18}) {
        p.drawRect(side.rect(x, casing / 2, casing * 0.18, casing * 0.07));
        hole(p, side.at(x + casing * 0.09, casing / 2 + casing * 0.035));
    }
    p.setPen(QPen(hidden, 1, Qt::DashDotLine));
    p.drawLine(side.at(-s.length / 2 - 20, 0), side.at(s.length / 2 + 20, 0));
    if (f.length > 0)
        dimensionLine(p, side.at(-s.length / 2, casing * 0.57), side.at(s.length / 2, casing * 0.57), -40,
            mm(f.length));
    if (f.a > 0)
        dimensionLine(
            p, side.at(-s.length / 2, s.a / 2), side.at(-s.length / 2, -s.a / 2), 30, diameter(f.a));
}

void drawRectangularDuct(QPainter& p, const DrawingFacts& f, const Sizes& s)
{
    const double flange = std::max(s.a, s.b) * 0.08;
    const View front(frontBox, s.a + 2 * flange, s.b + 2 * flange);
    outlinePen(p);
    p.drawRect(front.rect(-s.a / 2 - flange, -s.b / 2 - flange, s.a + 2 * flange, s.b + 2 * flange));
    p.drawRect(front.rect(-s.a / 2, -s.b / 2, s.a, s.b));
    for (int i = 0; i <= 4; ++i) {
        const double x = -s.a / 2 + s.a * i / 4;
        hole(p, front.at(x, -s.b / 2 - flange / 2));
        hole(p, front.at(x, s.b / 2 + flange / 2));
    }
    for (int i = 1; i < 3; ++i) {
        const double y = -s.b / 2 + s.b * i / 3;
        hole(p, front.at(-s.a / 2 - flange / 2, y));
        hole(p, front.at(s.a / 2 + flange / 2, y));
    }
    p.setPen(QPen(hidden, 1.2, Qt::DashLine));
    const double impeller = std::min(s.d, std::min(s.a, s.b) * 0.95);
    p.drawEllipse(front.circle(0, 0, impeller));
    centreLines(p, front.at(0, 0), front.px(s.a / 2 + flange) + 14);
    if (f.a > 0)
        dimensionLine(
            p, front.at(-s.a / 2, s.b / 2 + flange), front.at(s.a / 2, s.b / 2 + flange), -30, mm(f.a));
    if (f.b > 0)
        dimensionLine(
            p, front.at(s.a / 2 + flange, s.b / 2), front.at(s.a / 2 + flange, -s.b / 2), -30, mm(f.b));
    if (f.d > 0)
        diameterLeader(p, front.at(0, 0), front.px(impeller / 2), 40, diameter(f.d));

    const double tall = s.b + 2 * flange;
    const View side(sideBox, s.length, tall * 1.5);
    outlinePen(p);
    p.drawRect(side.rect(-s.length / 2, -s.b / 2, s.length, s.b));
    for (const double x : {-s.length / 2, s.length / 2 - flange * 0.5})
        p.drawRect(side.rect(x, -tall / 2, flange * 0.5, tall));
    // Motor housing on the lid and the fixing lugs at the flanges.
    p.drawRoundedRect(side.rect(-s.length * 0.15, -s.b / 2 - tall * 0.22, s.length * 0.3, tall * 0.22), 4, 4);
    if (f.length > 0)
        dimensionLine(
            p, side.at(-s.length / 2, tall / 2), side.at(s.length / 2, tall / 2), -34, mm(f.length));
    if (f.b > 0)
        dimensionLine(p, side.at(-s.length / 2, s.b / 2), side.at(-s.length / 2, -s.b / 2), 30, mm(f.b));
}

void drawRoof(QPainter& p, const DrawingFacts& f, const Sizes& s)
{
    // Top view: square base plate with its fixing holes, the hood and the impeller under it.
    const View top(frontBox, s.a, s.b);
    outlinePen(p);
    p.drawRect(top.rect(-s.a / 2, -s.b / 2, s.a, s.b));
    const double hood = std::min(s.d * 1.45, std::min(s.a, s.b) * 0.95);
    p.drawEllipse(top.circle(0, 0, hood));
    p.setPen(QPen(hidden, 1.2, Qt::DashLine));
    p.drawEllipse(top.circle(0, 0, std::min(s.d, hood * 0.9)));
    const double inset = std::min(s.a, s.b) * 0.06;
    for (const auto& [x, y] : {std::pair(-1, -1), std::pair(1, -1), std::pair(-1, 1), std::pair(1, 1)})
        hole(p, top.at(x * (s.a / 2 - inset), y * (s.b / 2 - inset)));
    centreLines(p, top.at(0, 0), top.px(std::max(s.a, s.b) / 2) + 14);
    if (f.a > 0)
        dimensionLine(p, top.at(-s.a / 2, s.b / 2), top.at(s.a / 2, s.b / 2), -30, mm(f.a));
    if (f.b > 0)
        dimensionLine(p, top.at(s.a / 2, s.b / 2), top.at(s.a / 2, -s.b / 2), -30, mm(f.b));
    if (f.d > 0)
        diameterLeader(p, top.at(0, 0), top.px(std::min(s.d, hood * 0.9) / 2), 40, diameter(f.d));

    // Side view: base plate, casing, wind hood and motor cover; the height is the catalogue length.
    const double rise = s.length;
    const View side(sideBox, s.a * 1.05, rise * 1.1);
    const double plate = rise * 0.05;
    const double casingTop = rise * 0.55;
    outlinePen(p);
    p.drawRect(side.rect(-s.a / 2, rise / 2 - plate, s.a, plate));
    p.drawRect(side.rect(-s.d * 0.62, rise / 2 - casingTop, s.d * 1.24, casingTop - plate));
    QPainterPath hoodPath;
    hoodPath.moveTo(side.at(-hood / 2, rise / 2 - casingTop));
    hoodPath.lineTo(side.at(-hood * 0.42, rise / 2 - rise * 0.78));
    hoodPath.lineTo(side.at(hood * 0.42, rise / 2 - rise * 0.78));
    hoodPath.lineTo(side.at(hood / 2, rise / 2 - casingTop));
    hoodPath.closeSubpath();
    p.drawPath(hoodPath);
    p.drawChord(side.rect(-hood * 0.3, -rise / 2, hood * 0.6, rise * 0.44), 0, 180 * 16);
    p.setPen(QPen(hidden, 1.2, Qt::DashLine));
    p.drawRect(side.rect(-s.d / 2, rise / 2 - casingTop * 0.7, s.d, casingTop * 0.35));
    p.setPen(QPen(hidden, 1, Qt::DashDotLine));
    p.drawLine(side.at(0, -rise / 2 - 20), side.at(0, rise / 2 + 20));
    if (f.length > 0)
        dimensionLine(p, side.at(s.a / 2, rise / 2), side.at(s.a / 2, -rise / 2), -30, mm(f.length));
    if (f.a > 0)
        dimensionLine(p, side.at(-s.a / 2, rise / 2), side.at(s.a / 2, rise / 2), -30, mm(f.a));
}

void drawRadial(QPainter& p, const DrawingFacts& f, const Sizes& s)
{
    // Front view: the spiral casing round the impeller, its outlet A wide rising on the right.
    const double r0 = s.d * 0.58;
    const double extent = r0 * 2.9;
    const View front(frontBox, extent, extent);
    QPainterPath spiral;
    for (int i = 0; i <= 72; ++i) {
        const double t = 2 * M_PI * i / 72;
        const double r = r0 * (1 + 0.45 * i / 72);
        const QPointF point = front.at(-r * std::sin(t), -r * std::cos(t) + r0 * 0.2);
        if (i == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    outlinePen(p);
    p.drawPath(spiral);
    const double outletTop = -r0 * 1.35;
    const QPointF start = front.at(0, -r0 + r0 * 0.2);
    const QPointF end = front.at(0, -r0 * 1.45 + r0 * 0.2);
    p.drawLine(start, front.at(0, outletTop));
    p.drawLine(end, front.at(0, outletTop));
    const double outletWidth = r0 * 0.45;
    p.drawLine(front.at(0, outletTop), front.at(outletWidth, outletTop));
    p.drawLine(front.at(outletWidth, outletTop), front.at(outletWidth, -r0 * 0.9));
    p.setPen(QPen(hidden, 1.2, Qt::DashLine));
    p.drawEllipse(front.circle(0, r0 * 0.2, s.d));
    outlinePen(p, 1.5);
    p.drawEllipse(front.circle(0, r0 * 0.2, s.d * 0.55));
    // Base frame with its feet.
    outlinePen(p);
    p.drawRect(front.rect(-r0 * 1.3, r0 * 1.5, r0 * 2.6, r0 * 0.12));
    for (const double x : {-r0 * 1.2, r0 * 1.2})
        hole(p, front.at(x, r0 * 1.56));
    if (f.a > 0)
        dimensionLine(p, front.at(0, outletTop), front.at(outletWidth, outletTop), 26, mm(f.a));
    if (f.d > 0)
        diameterLeader(p, front.at(0, r0 * 0.2), front.px(s.d / 2), 210, diameter(f.d));

    // Side view: casing width B, inlet collar, motor on the frame.
    const double widthMm = s.b;
    const View side(sideBox, widthMm * 3.2, extent);
    outlinePen(p);
    p.drawRect(side.rect(-widthMm * 1.3, -r0 * 1.2, widthMm, r0 * 2.6));
    p.drawRect(side.rect(-widthMm * 1.6, -s.d * 0.3, widthMm * 0.3, s.d * 0.6));
    p.drawRoundedRect(side.rect(-widthMm * 0.2, -r0 * 0.3, widthMm * 1.6, r0 * 0.9), 5, 5);
    p.drawRect(side.rect(-widthMm * 1.5, r0 * 1.5, widthMm * 3.0, r0 * 0.12));
    if (f.b > 0)
        dimensionLine(p, side.at(-widthMm * 1.3, -r0 * 1.2), side.at(-widthMm * 0.3, -r0 * 1.2), 26, mm(f.b));
    if (f.length > 0)
        dimensionLine(
            p, side.at(-widthMm * 1.5, r0 * 1.62), side.at(widthMm * 1.5, r0 * 1.62), -30, mm(f.length));
}

void titleBlock(QPainter& p, const DrawingFacts& f)
{
    p.setPen(QPen(ink, 1.5));
    p.drawRect(QRectF(10, 10, width - 20, height - 20));
    p.setFont(QFont(u"Arial"_s, 15, QFont::Bold));
    p.drawText(QRectF(30, 22, width - 60, 30), Qt::AlignLeft | Qt::AlignVCenter,
        f.heading + u"  "_s + f.designation);
    p.drawLine(QPointF(10, 62), QPointF(width - 10, 62));
    const QRectF block(10, height - 120, width - 20, 110);
    p.drawLine(block.topLeft(), block.topRight());
    p.drawLine(QPointF(360, block.top()), QPointF(360, block.bottom()));
    p.setFont(QFont(u"Arial"_s, 12, QFont::Bold));
    p.drawText(QRectF(25, block.top() + 10, 330, 30), Qt::AlignLeft | Qt::AlignVCenter, u"ЗЕФИРОН"_s);
    p.setFont(QFont(u"Arial"_s, 11));
    p.drawText(QRectF(25, block.top() + 42, 330, 26), Qt::AlignLeft | Qt::AlignVCenter, f.designation);
    p.drawText(QRectF(25, block.top() + 70, 330, 26), Qt::AlignLeft | Qt::AlignVCenter, u"Размеры в мм"_s);
    QStringList figures;
    if (f.a > 0)
        figures << u"A = "_s + mm(f.a);
    if (f.b > 0)
        figures << u"B = "_s + mm(f.b);
    if (f.d > 0)
        figures << u"D = "_s + mm(f.d) + u" (рабочее колесо)"_s;
    if (f.length > 0)
        figures << (f.outline == Outline::Roof ? u"H = "_s : u"L = "_s) + mm(f.length);
    p.drawText(QRectF(380, block.top() + 10, width - 410, 90),
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, figures.join(u"\n"_s));
    p.setFont(QFont(u"Arial"_s, 10));
    p.setPen(hidden);
    p.drawText(frontBox.adjusted(0, -8, 0, 0), Qt::AlignTop | Qt::AlignHCenter,
        f.outline == Outline::Roof ? u"Вид сверху"_s : u"Вид спереди"_s);
    p.drawText(sideBox.adjusted(0, -8, 0, 0), Qt::AlignTop | Qt::AlignHCenter, u"Вид сбоку"_s);
}

} // namespace

QImage dimensionDrawing(const DrawingFacts& facts)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const Sizes sizes = sizesOf(facts);
    switch (facts.outline) {
    case Outline::RoundDuct:
        drawRoundDuct(p, facts, sizes);
        break;
    case Outline::RectangularDuct:
        drawRectangularDuct(p, facts, sizes);
        break;
    case Outline::Roof:
        drawRoof(p, facts, sizes);
        break;
    case Outline::Radial:
        drawRadial(p, facts, sizes);
        break;
    }
    titleBlock(p, facts);
    return image;
}

} // namespace drawings
