#pragma once

#include "fans/ListedFan.h"
#include "fans/SelectionRequest.h"
#include "fans/SpeedControlledSelection.h"

#include <QChar>
#include <QString>

// A fan of the speed-controlled selection handed on as values at its duty speed, so that its data sheet,
// graphs and print show it as it works there.
namespace fans {

// The fan of the outcome working at its duty, at its duty speed: its curve scaled by the fan laws, its
// power r³·N(Qop), the air speed of a duct fan at the duty flow.
ListedFan listedAtDutySpeed(
    const SpeedControlledFan& fan, const SpeedControlledOutcome& outcome, FanGroup group);

// The speed of a fan slowed down to r of its catalogue speed n, whole rpm with the share beside it:
// "1120 (80,0% от 1400)"; "80,0% от номин." when the catalogue gives no speed.
QString dutySpeedText(const FanRecord& record, double speedRatio, QChar decimalSeparator);
// What a window title adds for a fan slowed down to its duty: "  при n = 1120 об/мин (80,0% от 1400)",
// "  при 80,0% от номин. частоты" without a catalogue speed; nothing for a fan at catalogue speed.
QString dutySpeedCaption(const ListedFan& fan, QChar decimalSeparator);

} // namespace fans
