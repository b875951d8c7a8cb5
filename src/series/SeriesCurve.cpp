#include "series/SeriesCurve.h"

#include "fans/PiecewiseCubic.h"

#include <algorithm>
#include <array>
#include <span>

namespace series {

namespace {

constexpr int stepsPerInterval = 5;

std::span<const double> flows(const fanviews::FanCurveSet& curve)
{
    return std::span(curve.flowPoints.data(), size_t(curve.pointCount));
}

std::span<const double> pressures(const fanviews::FanCurveSet& curve)
{
    return std::span(curve.pressurePoints.data(), size_t(curve.pointCount));
}

// The catalogue's colours as Windows writes them (0xBBGGRR).
constexpr std::array<unsigned, colourCount> windowsColours {0x00FFFF, 0x000000, 0xFF0000, 0x0000FF, 0x008000,
    0xFFFFFF, 0x800080, 0xF0AA0F, 0xFF00FF, 0xFFFF00, 0x00FF00, 0x0A8044, 0x000080, 0x800000, 0x008080,
    0x800080, 0x5620A0, 0x73F623, 0x00FFFF, 0x000000, 0xFF0000, 0x0000FF, 0x008000, 0xFFFFFF, 0x008080,
    0x4F5A60, 0xFF00FF, 0xFFFF00, 0x00FF00, 0x288256, 0x000080, 0x800000, 0x008080, 0x800080, 0x3712A0,
    0x772156};

} // namespace

std::vector<QPointF> seriesCurve(const fanviews::FanCurveSet& curve)
{
    std::vector<QPointF> points;
    if (!curve.isUsable())
        return points;
    const auto x = flows(curve);
    const auto p = pressures(curve);
    points.reserve(size_t((curve.pointCount - 1) * stepsPerInterval));
    for (int j = 1; j < curve.pointCount; ++j) {
        const double width = x[j] - x[j - 1];
        for (int m = 1; m <= stepsPerInterval; ++m) {
            const double q = x[j - 1] + m * width / stepsPerInterval;
            points.emplace_back(q, fans::intervalCubic(x, p, j, q));
        }
    }
    return points;
}

double staggeredLabelFlow(const fanviews::FanCurveSet& curve, int k)
{
    if (curve.pointCount < 1)
        return 0;
    return curve.flowPoints[size_t(curve.pointCount - 1)] * (1 - 0.13 * ((k + 3) % 5));
}

std::optional<QPointF> labelPoint(const fanviews::FanCurveSet& curve, double flow)
{
    if (!curve.isUsable())
        return std::nullopt;
    const size_t last = size_t(curve.pointCount - 1);
    const double at = std::clamp(flow, curve.flowPoints[0], curve.flowPoints[last]);
    // The ends stand exactly on the tabulated points, without the cubic's rounding.
    if (at == curve.flowPoints[last])
        return QPointF(at, curve.pressurePoints[last]);
    const auto pressure = fans::piecewiseCubic(flows(curve), pressures(curve), at, fans::CurveEnd::Closed);
    if (!pressure)
        return std::nullopt;
    return QPointF(at, *pressure);
}

double shiftedLabelFlow(const fanviews::FanCurveSet& curve, double flow, double shift)
{
    if (curve.pointCount < 1)
        return flow;
    return std::clamp(flow + shift, curve.flowPoints[0], curve.flowPoints[size_t(curve.pointCount - 1)]);
}

unsigned seriesColour(int k)
{
    const unsigned bgr = windowsColours[size_t(k % colourCount)];
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

} // namespace series
