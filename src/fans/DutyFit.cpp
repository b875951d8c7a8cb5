#include "fans/DutyFit.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace fans {

namespace {
// m³/h · Pa → kW: 3600 s/h and 1000 W/kW.
constexpr double flowPressureToKw = 3.6e6;
} // namespace

DutyFit dutyFit(const FoundFan& fan, double requiredFlow)
{
    DutyFit fit;
    const double q = fan.operatingFlow;
    if (requiredFlow > 0)
        fit.deviation = (q - requiredFlow) / requiredFlow * 100;
    if (fan.powerAtOperating && *fan.powerAtOperating > 0 && q > 0)
        fit.efficiency = q * fan.operatingPressure / (flowPressureToKw * *fan.powerAtOperating);
    if (fan.record && fan.record->n > 0 && q > 0)
        fit.speedForDuty = fan.record->n * requiredFlow / q;
    return fit;
}

std::vector<size_t> rankedForDuty(const std::vector<FoundFan>& fans, double requiredFlow)
{
    std::vector<size_t> order(fans.size());
    std::iota(order.begin(), order.end(), size_t(0));
    // Flows are compared as the list shows them, whole m³/h, so that equal-looking fans go by power.
    auto distance = [&](size_t i) { return std::abs(roundHalfEven(fans[i].operatingFlow) - requiredFlow); };
    auto power = [&](size_t i) {
        const auto& p = fans[i].powerAtOperating;
        return p ? *p : std::numeric_limits<double>::infinity();
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t l, size_t r) {
        if (distance(l) != distance(r))
            return distance(l) < distance(r);
        return power(l) < power(r);
    });
    return order;
}

} // namespace fans
