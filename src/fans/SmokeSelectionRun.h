#pragma once

#include "fans/SelectionRun.h"
#include "fans/SmokeSelectionRequest.h"

#include <QString>

namespace fans {

// The record of the last smoke-exhaust run that listed fans: that of a general run, with the fire class
// required and the gas temperature as the user typed it (at most 15 characters).
struct SmokeSelectionRun : SelectionRun {
    static constexpr int temperatureTextLength = 15;

    FireClass fireClass = FireClass::C400;
    QString gasTemperatureText;
};

} // namespace fans
