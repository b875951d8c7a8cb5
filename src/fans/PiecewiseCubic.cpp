#include "fans/PiecewiseCubic.h"

#include <algorithm>

namespace fans {

std::optional<int> curveInterval(std::span<const double> x, double q, CurveEnd end)
{
    const auto n = static_cast<int>(x.size());
    if (n < 2 || !(q >= x.front()))
        return std::nullopt;
    if (q >= x.back()) {
        if (end == CurveEnd::Closed && q == x.back())
            return n - 1;
        return std::nullopt;
    }
    // First flow above q closes the interval.
    return static_cast<int>(std::upper_bound(x.begin(), x.end(), q) - x.begin());
}

std::optional<double> piecewiseCubic(
    std::span<const double> x, std::span<const double> v, double q, CurveEnd end)
{
    if (x.size() < 4 || v.size() < x.size())
        return std::nullopt;
    const auto interval = curveInterval(x, q, end);
    if (!interval)
        return std::nullopt;
    return intervalCubic(x, v, *interval, q);
}

double intervalCubic(std::span<const double> x, std::span<const double> v, int interval, double q)
{
    const int first = std::max(interval - 3, 0);
    double sum = 0;
    for (int m = first; m < first + 4; ++m) {
        double term = v[m];
        for (int j = first; j < first + 4; ++j) {
            if (j != m)
                term *= (q - x[j]) / (x[m] - x[j]);
        }
        sum += term;
    }
    return sum;
}

} // namespace fans
