#pragma once

#include "fans/SelectionRequest.h"

#include <QString>

namespace fans {

// What keeps a selection request from running, checked in the order the user is told about it.
enum class RequestFault { None, FlowNotPositive, PressureNotPositive, NoDiameter, NoSize, NoPoles };

// Flow and pressure must be positive; at least one diameter, one duct size (duct fans, whose size list
// is shown) and one motor pole count must be ticked. Series ticks are checked by the run itself.
RequestFault checkRequest(const SelectionRequest& request);
QString faultMessage(RequestFault fault);

} // namespace fans
