#include "curtains/JetTrajectory.h"

#include "common/NumberText.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

// Points of the path that carry a mark.
constexpr int innerMarkPoint = 6;
constexpr int outerMarkPoint = 10;
bool isTemperaturePoint(int i)
{
    return i == 20 || i == 30 || i == 40;
}

// Past this dimensionless path length the jet is fully developed.
constexpr double developedPath = 7.2;

} // namespace

QString jetBottomAxisTitle(bool side)
{
    return side ? u"Расстояние по ширине ворот, мм"_s : u"Расстояние по высоте ворот, мм"_s;
}

QString jetLeftAxisTitle()
{
    return u"Продольное смещение струи, мм"_s;
}

std::optional<JetPath> jetTrajectory(const JetInputs& in)
{
    JetPath path;
    const double b = in.slot;
    path.outletVelocity = in.flow / 3600.0 / (b * in.slotLength);
    const double r = in.gateVelocity / path.outletVelocity;
    const double across = in.side ? (in.onePost ? in.B : in.B / 2.0) : in.H; // m
    const double acrossMm = across * 1000.0;
    const double step = (across / 40.0) / b;
    if (!std::isfinite(r) || !std::isfinite(step) || !(step > 0) || !(path.outletVelocity > 0))
        return std::nullopt;

    const double cotA = std::cos(in.direction) / std::sin(in.direction);
    const double sin4 = std::pow(std::sin(in.direction), 4);
    const double warm = in.tv + in.dt;
    const double tm = (in.tn + in.tv) / 2.0;
    const auto temperatureMark = [](double t) -> QString { return integerText(t) + u" °C"_s; };

    double x = 0;
    double previousX = 0;
    double s = 0;
    path.axis.reserve(48);
    path.outer.reserve(48);
    path.inner.reserve(48);
    for (int i = 0; i < maxJetPoints; ++i) {
        const double y = cotA * x + (0.433 * r * r / sin4) * x * x * (1 + 0.247 * r * x);
        const double p = cotA + (0.866 * r * r / sin4) * x + (0.32 * r * r * r / sin4) * x * x;
        const double slopeNorm = std::sqrt(p * p + 1);
        s += slopeNorm * (x - previousX);
        const bool developed = s > developedPath;
        path.decay = developed ? 0.375 * std::sqrt(2 * s) : 1 + 0.059 * s;
        const double width = (developed ? 0.44 * s : 1 + 0.301 * s) * b * 1000.0;
        const QPointF axis(x * b * 1000.0, y * b * 1000.0);
        const double h = 0.5 * width / slopeNorm;
        const QPointF outer(axis.x() + p * h, axis.y() - h);
        const QPointF inner(axis.x() - p * h, axis.y() + h);
        path.endTemperature = warm / path.decay + tm * (1 - 1 / path.decay);
        if (!std::isfinite(axis.y()) || !std::isfinite(outer.x()) || !std::isfinite(path.endTemperature))
            return std::nullopt;
        const bool ended = outer.x() >= acrossMm;

        path.axis.push_back(axis);
        path.outer.push_back(outer);
        path.inner.push_back(inner);
        if (i == innerMarkPoint)
            path.marks.push_back({JetMarkKind::InnerBoundary, inner, u"Внутренняя граница струи"_s});
        if (i == outerMarkPoint)
            path.marks.push_back({JetMarkKind::OuterBoundary, outer, u"Внешняя граница струи"_s});
        if (isTemperaturePoint(i) || ended)
            path.marks.push_back({JetMarkKind::Temperature, axis, temperatureMark(path.endTemperature)});
        if (ended)
            return path;
        previousX = x;
        x += step;
    }
    return std::nullopt;
}

} // namespace curtains
