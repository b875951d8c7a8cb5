#pragma once

#include "fans/SelectionRequest.h"

class SpinEditWidget;

// Reads the required flow and pressure into a request whose other choices are already made, as the general
// and the unit's fan selection windows do: the flow box, a flow that is not positive, the pressure box, then
// every other fault of the request, each stopping with its message and the focus on the box concerned.
// False when the request cannot run.
bool readRequiredDuty(fans::SelectionRequest& request, SpinEditWidget* flowBox, SpinEditWidget* pressureBox);
