#pragma once

#include "fanviews/FanCurveSet.h"

#include <QPointF>
#include <optional>
#include <vector>

// How one fan of a series overview is drawn: its pressure curve, where its label stands, how a label
// moves and the colour of its curve.
namespace series {

// The pressure curve drawn with five steps per interval, each interval on its own four-node cubic and
// ending exactly at the next tabulated flow. Empty for a curve that cannot be drawn (fewer than four
// points, flows not ascending).
std::vector<QPointF> seriesCurve(const fanviews::FanCurveSet& curve);

// The flow at which the label of the k-th fan of a series (from 0) stands unless placed by hand: the
// labels of consecutive fans are staggered at 0.61, 0.48, 1.0, 0.87 and 0.74 of each fan's last
// tabulated flow, so that neighbouring curves do not hide each other's labels.
double staggeredLabelFlow(const fanviews::FanCurveSet& curve, int k);

// The label point at a flow: on the curve, a flow outside the tabulated flows standing at the nearest
// end (the last tabulated flow on the last point itself). Nothing for a curve that cannot be drawn.
std::optional<QPointF> labelPoint(const fanviews::FanCurveSet& curve, double flow);

// The flow of a label moved by a shift, kept within the fan's first and last tabulated flows.
double shiftedLabelFlow(const fanviews::FanCurveSet& curve, double flow, double shift);

// Colour of the k-th fan (from 0) as 0xRRGGBB: a table of 36 colours, repeated for larger series.
constexpr int colourCount = 36;
unsigned seriesColour(int k);

} // namespace series
