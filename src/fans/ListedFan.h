#pragma once

#include "fans/FanRecord.h"
#include "fans/FanSelection.h"

#include <optional>

namespace fans {

// A fan a run listed, as values that outlive the run and its catalogue: the record as the catalogue holds
// it, and where and how the fan works (its curve as the run used it: at the gas for a smoke-exhaust run).
// found.record is not kept; the record is `record`.
struct ListedFan {
    FanRecord record;
    FoundFan found;
    // A fan a speed-controlled run slowed down to its duty: the share of its catalogue speed it runs at,
    // to which found.curve is scaled. Nothing for a fan at catalogue speed.
    std::optional<double> speedRatio;
};

ListedFan listedFanOf(const FoundFan& found);

} // namespace fans
