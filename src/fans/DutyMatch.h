#pragma once

#include "fans/DutyBand.h"
#include "fans/FanCurve.h"

#include <QPointF>
#include <optional>
#include <vector>

namespace fans {

// How a fan curve meets the system curve of a duty band.

constexpr int acceptanceSteps = 30; // the band is tried at 31 flows
constexpr int sweepSteps = 100; // the chart curve has at most 101 points

// The first step s (0 … 30) at which the fan is accepted: the curve lies above the system curve at the
// step's flow and below the system pressure at qmax, and ends below the system curve, so that the
// crossing lies inside the band. Nothing when the fan does not meet the band.
std::optional<int> acceptanceStep(const FanCurve& curve, const DutyBand& band);

// Operating flow: bisection for the crossing of the fan curve with the system curve, until two successive
// mids differ by less than `settle` m³/h.
double operatingFlow(const FanCurve& curve, const DutyBand& band, double settle = 0.5);

// The fan's curve as drawn over the band: points of 101 flows that lie on the curve below pmax, and the
// label point at the largest of those flows on the curve (below pmax or not).
struct SweptCurve {
    std::vector<QPointF> points;
    std::optional<QPointF> label;
};
SweptCurve sweepCurve(const FanCurve& curve, const DutyBand& band);

} // namespace fans
