#pragma once

#include "fans/FanCurve.h"
#include "fans/FanRecord.h"

#include <QPointF>
#include <array>
#include <optional>
#include <vector>

// The catalogue curves of one fan as the graphs window and the printed sheet draw them, and the
// working point on them.
namespace fanviews {

struct FanCurveSet {
    static constexpr int maxPoints = FanRecord::maxPoints;

    int pointCount = 0; // N, 0..20; entries 0..N−1 of the arrays are meaningful
    std::array<double, maxPoints> flowPoints {}; // m³/h
    std::array<double, maxPoints> pressurePoints {}; // Pa
    std::array<double, maxPoints> powerPoints {}; // kW
    double dutyFlow = 0; // flow of the working point the window opens with, m³/h

    // Whether the curves can be drawn and evaluated: at least four points, flows strictly ascending,
    // every value finite. A set that is not gives an empty chart and no working point.
    bool isUsable() const;
};

// The curve points of a catalogue or result record: flows up to the first empty flow column, pressures
// and powers of those points (an empty pressure or power column reads as 0).
FanCurveSet curveSetOf(const FanRecord& record);
// The curve a selection run used for a fan it listed (at the gas for a smoke-exhaust run).
FanCurveSet curveSetOf(const fans::FanCurve& curve);

// The tabulated values drawn as a line: twenty steps per interval, each interval on its own four-node
// cubic, ending exactly at each next tabulated flow (the first tabulated point is not a vertex).
// Empty for a set that is not usable.
enum class CurveValue { Pressure, Power };
std::vector<QPointF> drawnCurve(const FanCurveSet& set, CurveValue value);

// Pressure and power at a flow, as the working point marks them: the pressure to the nearest whole
// pascal (halves to even), the power as evaluated. Nothing when the flow lies outside [flow 1, flow N).
struct WorkingPoint {
    double flow = 0;
    double pressure = 0;
    double power = 0;
};
std::optional<WorkingPoint> workingPointAt(const FanCurveSet& set, double flow);

// The system curve k·Q² through a fan's working point as the printed sheet draws it: `count` points
// from zero flow in steps of flow/`divisions`. Empty for a flow that is not positive.
std::vector<QPointF> systemCurve(double flow, double pressure, int divisions, int count);

} // namespace fanviews
