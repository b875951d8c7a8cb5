#pragma once

#include "fans/FoundFansContent.h"
#include "fans/SpeedControlledSelection.h"

#include <QChar>
#include <QStringList>

// What the fans-found window shows of a selection with speed control: the ranked fans, each with its
// curve at its duty speed through the duty point and its curve at catalogue speed, a grid of what each
// does there, and each fan as values at its duty speed for its data sheet.
namespace fans {

// The cells of a ranked fan's grid row: rank, designation, speed at the duty, speed ratio in %, power at
// the duty, efficiency in %, SFP and its class, full-speed flow, catalogue speed, installed power, mass.
QStringList speedControlledRow(const SpeedControlledFan& fan, int rank, QChar decimalSeparator);
FoundFansColumns speedControlledColumns();

FoundFansContent speedControlledContentOf(
    const SpeedControlledOutcome& outcome, const SelectionRequest& request, QChar decimalSeparator);

} // namespace fans
