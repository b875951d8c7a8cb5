#pragma once

#include "fans/HandedDuty.h"
#include "pressurization/SupplyCalculation.h"

#include <optional>

namespace pressurization {

// The duty of one fan of the results as it goes to the general fan selection: flow, m³/h, and static
// pressure, Pa, each rounded as the results table shows it (six significant digits, at most two after
// the mark). Nothing when a figure does not read back as a number.
std::optional<fans::HandedDuty> supplyFanDuty(const SupplyFan& fan);

} // namespace pressurization
