#include "fans/SpeedControlledSelection.h"

#include "fans/FanLaws.h"
#include "fans/FanSelection.h"
#include "fans/PiecewiseCubic.h"
#include "fans/SelectionMessages.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <span>

namespace fans {

namespace {

// m³/h · Pa → kW: 3600 s/h and 1000 W/kW.
constexpr double flowPressureToKw = 3.6e6;
constexpr int drawnStepsPerInterval = 10;

// Lowest power first; a fan without one after every fan with one; equal fans in catalogue order.
bool ranksBefore(const SpeedControlledFan& l, const SpeedControlledFan& r)
{
    if (l.power.has_value() != r.power.has_value())
        return l.power.has_value();
    if (l.power && *l.power != *r.power)
        return *l.power < *r.power;
    return std::less<const FanRecord*>()(l.record, r.record);
}

// The curve drawn from its first tabulated point, drawnStepsPerInterval steps per interval.
std::vector<QPointF> drawnPoints(const FanCurve& c)
{
    const std::span x(c.x.data(), size_t(c.n));
    const std::span y(c.y.data(), size_t(c.n));
    std::vector<QPointF> points;
    points.emplace_back(c.x[0], c.y[0]);
    for (int interval = 1; interval < c.n; ++interval) {
        for (int s = 1; s <= drawnStepsPerInterval; ++s) {
            const double q
                = c.x[interval - 1] + (c.x[interval] - c.x[interval - 1]) * s / drawnStepsPerInterval;
            points.emplace_back(q, intervalCubic(x, y, interval, q));
        }
    }
    return points;
}

} // namespace

int sfpClassOf(double sfp)
{
    static constexpr double upperLimits[] = {0.5, 0.75, 1.25, 2.0, 3.0, 4.5};
    int sfpClass = 1;
    for (const double limit : upperLimits) {
        if (sfp <= limit)
            return sfpClass;
        ++sfpClass;
    }
    return sfpClass;
}

namespace {

// How far the curve lies above the system curve at q, inside its tabulated flows (last point included).
double excess(const FanCurve& curve, double k, double q)
{
    return *curve.pressureAtClosed(q) - k * q * q;
}

// The crossing between two flows of the curve, the curve not below the system curve at lo and not above
// it at hi. The bracket halves each time: 200 halvings end even one the tolerance cannot (flows at 0).
double bisectCrossing(const FanCurve& curve, double k, double lo, double hi)
{
    for (int i = 0; i < 200 && hi - lo > crossingTolerance * std::abs(hi); ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (excess(curve, k, mid) > 0)
            lo = mid;
        else
            hi = mid;
    }
    return lo + (hi - lo) / 2;
}

// Above the system curve at the first point and not above it at the last: the curve meets it between.
bool hasCrossing(const FanCurve& curve, double k)
{
    const double first = curve.x[0];
    const double last = curve.lastFlow();
    return curve.y[0] - k * first * first >= 0 && curve.lastPressure() - k * last * last <= 0;
}

} // namespace

std::optional<double> fullSpeedCrossing(const FanCurve& curve, double k)
{
    if (!hasCrossing(curve, k))
        return std::nullopt;
    return bisectCrossing(curve, k, curve.x[0], curve.lastFlow());
}

std::optional<SpeedControlledFan> speedControlledFan(
    const FanRecord& record, const FanCurve& curve, double flow, double pressure, int minSpeedPercent)
{
    // A curve that ends below the duty flow cannot reach it at any speed up to the catalogue's.
    const double k = pressure / (flow * flow);
    if (curve.lastFlow() < flow || !hasCrossing(curve, k))
        return std::nullopt;
    // The crossing is searched only between the duty flow (full speed) and the flow at which the fan would
    // run at the minimum speed: a curve below the duty there, or still above the system curve at that flow,
    // meets it outside and is left out at the cost of one interpolation, which spares most of a large
    // catalogue the bisection.
    const double lo = std::max(flow, curve.x[0]);
    const double hi = std::min(flow * 100 / minSpeedPercent, curve.lastFlow());
    // A curve through the duty point, or through the point of the minimum speed, meets the system curve
    // there however the last digit of its interpolation falls.
    const double slack = crossingTolerance * pressure;
    if (hi < lo || excess(curve, k, lo) < -slack || excess(curve, k, hi) > slack)
        return std::nullopt;
    const double crossing = bisectCrossing(curve, k, lo, hi);
    const double r = std::min(flow / crossing, 1.0);
    SpeedControlledFan fan;
    fan.record = &record;
    fan.curve = curve;
    fan.fullSpeedFlow = crossing;
    fan.speedRatio = r;
    if (record.n > 0)
        fan.speed = record.n * r;
    // On the system curve the fan laws move the operating point to (r·Qop, r²·Pop) with the power r³·N.
    if (const auto fullPower = curve.powerAtClosed(crossing); fullPower && *fullPower > 0) {
        fan.power = r * r * r * *fullPower;
        fan.efficiency = flow * pressure / (flowPressureToKw * *fan.power);
        fan.sfp = *fan.power / (flow / 3600);
        fan.sfpClass = sfpClassOf(*fan.sfp);
    }
    return fan;
}

SpeedControlledOutcome selectSpeedControlled(
    const std::vector<FanRecord>& catalogue, const SelectionRequest& request, int minSpeedPercent)
{
    SpeedControlledOutcome outcome;
    outcome.flow = request.flow;
    outcome.pressure = request.pressure;
    outcome.k = request.pressure / (request.flow * request.flow);
    if (request.series.empty()) {
        outcome.status = SpeedControlledOutcome::Status::NoSeriesTicked;
        outcome.messages << messages::noSeriesTicked();
        return outcome;
    }
    for (const FanRecord* record : selectionCandidates(catalogue, request)) {
        const auto curve = FanCurve::fromRecord(*record);
        if (!curve)
            continue;
        if (auto fan = speedControlledFan(*record, *curve, request.flow, request.pressure, minSpeedPercent))
            outcome.fans.push_back(std::move(*fan));
    }
    if (outcome.fans.empty()) {
        outcome.status = SpeedControlledOutcome::Status::NothingKept;
        outcome.messages << messages::nothingAccepted() << messages::nothingAcceptedHint();
        return outcome;
    }
    const size_t listed = std::min(outcome.fans.size(), size_t(maxSpeedControlledFans));
    std::partial_sort(
        outcome.fans.begin(), outcome.fans.begin() + std::ptrdiff_t(listed), outcome.fans.end(), ranksBefore);
    outcome.fans.resize(listed);
    return outcome;
}

SpeedControlledRun runSpeedControlledSelection(const SelectionRequest& request, int minSpeedPercent)
{
    SpeedControlledRun run;
    run.catalogue = FanCatalogue::records(CatalogueKind::General);
    run.outcome = selectSpeedControlled(*run.catalogue, request, minSpeedPercent);
    return run;
}

std::vector<QPointF> dutySpeedCurve(const SpeedControlledFan& fan)
{
    return drawnPoints(scaledToSpeed(fan.curve, fan.speedRatio));
}

std::vector<QPointF> fullSpeedCurve(const SpeedControlledFan& fan)
{
    return drawnPoints(fan.curve);
}

} // namespace fans
