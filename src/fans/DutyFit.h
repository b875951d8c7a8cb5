#pragma once

#include "fans/FanSelection.h"

#include <optional>
#include <vector>

namespace fans {

// How well a listed fan meets the duty it was selected for.
struct DutyFit {
    double deviation = 0; // operating flow against the required flow, %: (Qop − Q) / Q · 100
    // Q·P / (3.6·10⁶·N) at the operating point, as a fraction; nothing without a power there.
    std::optional<double> efficiency;
    // The speed at which the fan meets the duty exactly: on the system curve P = k·Q² the fan laws move
    // the operating point in proportion to the speed, so n·Q / Qop, rpm; nothing without a catalogue speed.
    std::optional<double> speedForDuty;
};

DutyFit dutyFit(const FoundFan& fan, double requiredFlow);

// The listed fans in the order an engineer weighs them: operating flow nearest the duty first, then the
// lowest power at the operating point (a fan without one after those with one); equal fans keep the
// order of the list. Returns indexes into fans.
std::vector<size_t> rankedForDuty(const std::vector<FoundFan>& fans, double requiredFlow);

} // namespace fans
