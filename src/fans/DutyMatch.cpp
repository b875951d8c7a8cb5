#include "fans/DutyMatch.h"

#include <cmath>

namespace fans {

std::optional<int> acceptanceStep(const FanCurve& curve, const DutyBand& band)
{
    // The conditions on the curve's end do not depend on the step: check them once, first.
    const double xn = curve.lastFlow();
    const double yn = curve.lastPressure();
    // No step of the band lies on a curve that ends at qmin or starts beyond qmax.
    if (xn <= band.qmin || curve.x[0] > band.qmax)
        return std::nullopt;
    if (!(band.systemPressure(xn) > yn))
        return std::nullopt;
    if (xn < band.qmax) {
        if (!(yn < band.pmax))
            return std::nullopt;
    } else {
        const auto atQmax = curve.pressureAtClosed(band.qmax);
        if (!atQmax || !(*atQmax < band.pmax))
            return std::nullopt;
    }
    for (int s = 0; s <= acceptanceSteps; ++s) {
        const double qs = band.stepFlow(s, acceptanceSteps);
        const auto pf = curve.pressureAt(qs);
        if (pf && *pf < band.pmax && band.systemPressure(qs) < *pf)
            return s;
    }
    return std::nullopt;
}

double operatingFlow(const FanCurve& curve, const DutyBand& band, double settle)
{
    double lo = band.qmin <= curve.x[0] ? curve.x[0] : band.qmin;
    double hi = band.qmax >= curve.lastFlow() ? curve.lastFlow() : band.qmax;
    double mid = (hi - lo) / 2 + lo;
    double pf = 0; // a mid outside the curve keeps the previous value
    // Each pass halves the bracket, so the loop ends long before the cap for any finite band.
    for (int pass = 0; pass < 4096; ++pass) {
        if (const auto value = curve.pressureAt(mid))
            pf = *value;
        if (band.systemPressure(mid) < pf)
            lo = mid;
        else
            hi = mid;
        const double next = (hi - lo) / 2 + lo;
        const bool settled = !(std::abs(next - mid) >= settle);
        mid = next;
        if (settled)
            break;
    }
    return mid;
}

SweptCurve sweepCurve(const FanCurve& curve, const DutyBand& band)
{
    SweptCurve swept;
    swept.points.reserve(sweepSteps + 1);
    for (int s = 0; s <= sweepSteps; ++s) {
        const double qs = band.stepFlow(s, sweepSteps);
        const auto pf = curve.pressureAt(qs);
        if (!pf)
            continue;
        if (*pf < band.pmax)
            swept.points.emplace_back(qs, *pf);
        swept.label = QPointF(qs, *pf);
    }
    return swept;
}

} // namespace fans
