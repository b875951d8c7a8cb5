#pragma once

#include "fans/SmokeSelectionRequest.h"

#include <QString>

namespace fans {

// What keeps a smoke-exhaust request from running, in the order the user is told about it.
enum class SmokeRequestFault {
    None,
    TemperatureTooLow,
    FlowNotPositive,
    PressureNotPositive,
    NoDiameter,
    NoPoles
};

// The gas must be warmer than absolute zero (its density is computed from it), flow and pressure
// positive, at least one diameter and one pole count ticked. Series ticks are checked by the run.
SmokeRequestFault checkSmokeRequest(const SmokeSelectionRequest& request);
// The pressure message names the pressure of the group: static for roof and wall fans, else total.
QString smokeFaultMessage(SmokeRequestFault fault, SmokeGroup group);

} // namespace fans
