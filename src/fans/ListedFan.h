#pragma once

#include "fans/FanRecord.h"
#include "fans/FanSelection.h"

namespace fans {

// A fan a run listed, as values that outlive the run and its catalogue: the record as the catalogue holds
// it, and where and how the fan works (its curve as the run used it: at the gas for a smoke-exhaust run).
// found.record is not kept; the record is `record`.
struct ListedFan {
    FanRecord record;
    FoundFan found;
};

ListedFan listedFanOf(const FoundFan& found);

} // namespace fans
