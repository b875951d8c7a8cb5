#include "fans/FanCurve.h"

#include "fans/PiecewiseCubic.h"

#include <cmath>
#include <span>

namespace fans {

std::optional<FanCurve> FanCurve::fromRecord(const FanRecord& record, double scale)
{
    FanCurve curve;
    curve.n = record.pointCount;
    if (curve.n < minPoints || curve.n > FanRecord::maxPoints)
        return std::nullopt;
    curve.hasPower = true;
    for (int i = 0; i < curve.n; ++i) {
        const auto& flow = record.columns[i];
        const auto& pressure = record.columns[20 + i];
        const auto& power = record.columns[40 + i];
        if (!flow || !pressure || !std::isfinite(*flow) || !std::isfinite(*pressure))
            return std::nullopt;
        if (i > 0 && !(*flow > curve.x[i - 1]))
            return std::nullopt;
        curve.x[i] = *flow;
        curve.y[i] = *pressure * scale;
        if (power && std::isfinite(*power))
            curve.w[i] = *power * scale;
        else
            curve.hasPower = false;
    }
    return curve;
}

std::optional<double> FanCurve::pressureAt(double q) const
{
    return piecewiseCubic(std::span(x.data(), n), std::span(y.data(), n), q, CurveEnd::Open);
}

std::optional<double> FanCurve::pressureAtClosed(double q) const
{
    return piecewiseCubic(std::span(x.data(), n), std::span(y.data(), n), q, CurveEnd::Closed);
}

std::optional<double> FanCurve::powerAt(double q) const
{
    if (!hasPower)
        return std::nullopt;
    return piecewiseCubic(std::span(x.data(), n), std::span(w.data(), n), q, CurveEnd::Open);
}

std::optional<double> FanCurve::powerAtClosed(double q) const
{
    if (!hasPower)
        return std::nullopt;
    return piecewiseCubic(std::span(x.data(), n), std::span(w.data(), n), q, CurveEnd::Closed);
}

} // namespace fans
