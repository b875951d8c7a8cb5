#pragma once

#include <optional>
#include <span>

namespace fans {

// Whether the last tabulated flow itself may be evaluated (it then lies in the last interval).
enum class CurveEnd { Open, Closed };

// Interval of a tabulated curve that holds q: the index i (1 … n−1) with x[i−1] ≤ q < x[i], or with
// CurveEnd::Closed also q = x[n−1] in the last interval. Flows must ascend strictly. Nothing when q lies
// outside the table.
std::optional<int> curveInterval(std::span<const double> x, double q, CurveEnd end = CurveEnd::Open);

// Value of a tabulated curve at q: the Lagrange cubic through four neighbouring points. The interval
// holding q is the last of the four nodes (nodes i−3 … i), except near the start, where the first four
// points are used. Needs at least four points with strictly ascending flows.
std::optional<double> piecewiseCubic(
    std::span<const double> x, std::span<const double> v, double q, CurveEnd end = CurveEnd::Open);

// The cubic of one interval (1 … n−1, closing at x[interval]) at any q, with that interval's four nodes:
// what a drawn curve follows from one tabulated point to the next. Needs at least four points.
double intervalCubic(std::span<const double> x, std::span<const double> v, int interval, double q);

} // namespace fans
