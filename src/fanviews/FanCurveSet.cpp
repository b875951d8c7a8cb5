#include "fanviews/FanCurveSet.h"

#include "common/NumberText.h"
#include "fans/PiecewiseCubic.h"

#include <cmath>
#include <span>

namespace fanviews {
namespace {

constexpr int stepsPerInterval = 20;

std::span<const double> flows(const FanCurveSet& set)
{
    return std::span(set.flowPoints.data(), size_t(set.pointCount));
}

std::span<const double> values(const FanCurveSet& set, CurveValue value)
{
    const auto& points = value == CurveValue::Pressure ? set.pressurePoints : set.powerPoints;
    return std::span(points.data(), size_t(set.pointCount));
}

} // namespace

bool FanCurveSet::isUsable() const
{
    if (pointCount < 4 || pointCount > maxPoints)
        return false;
    for (int i = 0; i < pointCount; ++i) {
        if (!std::isfinite(flowPoints[i]) || !std::isfinite(pressurePoints[i])
            || !std::isfinite(powerPoints[i]))
            return false;
        if (i > 0 && !(flowPoints[i] > flowPoints[i - 1]))
            return false;
    }
    return true;
}

FanCurveSet curveSetOf(const FanRecord& record)
{
    FanCurveSet set;
    for (int i = 0; i < FanCurveSet::maxPoints && record.columns[i]; ++i) {
        set.flowPoints[i] = *record.columns[i];
        set.pressurePoints[i] = record.pressure(i);
        set.powerPoints[i] = record.power(i);
        set.pointCount = i + 1;
    }
    return set;
}

FanCurveSet curveSetOf(const fans::FanCurve& curve)
{
    FanCurveSet set;
    set.pointCount = curve.n;
    set.flowPoints = curve.x;
    set.pressurePoints = curve.y;
    set.powerPoints = curve.w;
    return set;
}

std::vector<QPointF> drawnCurve(const FanCurveSet& set, CurveValue value)
{
    std::vector<QPointF> points;
    if (!set.isUsable())
        return points;
    const auto x = flows(set);
    const auto v = values(set, value);
    points.reserve(size_t((set.pointCount - 1) * stepsPerInterval));
    for (int j = 1; j < set.pointCount; ++j) {
        const double from = x[j - 1];
        const double width = x[j] - from;
        for (int m = 1; m <= stepsPerInterval; ++m) {
            const double q = from + m * width / stepsPerInterval;
            points.emplace_back(q, fans::intervalCubic(x, v, j, q));
        }
    }
    return points;
}

std::optional<WorkingPoint> workingPointAt(const FanCurveSet& set, double flow)
{
    if (!set.isUsable())
        return std::nullopt;
    const auto pressure = fans::piecewiseCubic(flows(set), values(set, CurveValue::Pressure), flow);
    const auto power = fans::piecewiseCubic(flows(set), values(set, CurveValue::Power), flow);
    if (!pressure || !power)
        return std::nullopt;
    return WorkingPoint {flow, roundHalfEven(*pressure), *power};
}

std::vector<QPointF> systemCurve(double flow, double pressure, int divisions, int count)
{
    std::vector<QPointF> points;
    if (!(flow > 0) || !std::isfinite(pressure) || divisions <= 0)
        return points;
    const double k = pressure / (flow * flow);
    for (int j = 0; j < count; ++j) {
        const double x = j * flow / divisions;
        points.emplace_back(x, k * x * x);
    }
    return points;
}

} // namespace fanviews
