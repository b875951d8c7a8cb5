#pragma once

#include "fans/FanSelection.h"
#include "fans/ListedFan.h"
#include "fans/SmokeSelectionRequest.h"
#include "fans/SpeedControlledSelection.h"

#include <QJsonObject>

// A listed fan as the selection commands write it: the values of its row in the fans-found list and how
// it meets the duty (deviation, efficiency, speed_for_duty). The drawn curve is added by the caller.
namespace cli {

QJsonObject generalFanJson(const fans::FoundFan& fan, fans::FanGroup group, int number, double requiredFlow);
// What names a general-ventilation fan of the catalogue: designation, diameter, catalogue speed, duct,
// motor, noise, installed power and mass.
QJsonObject generalFanIdentityJson(const FanRecord& record, fans::FanGroup group);
// A fan of the speed-controlled selection at its place in the ranking: its identity and what it does at
// the duty speed. The drawn curve is added by the caller.
QJsonObject speedControlledFanJson(const fans::SpeedControlledFan& fan, fans::FanGroup group, int rank);
// What the data sheet and graphs of such a fan show at its duty speed: the tabulated points scaled by the
// fan laws (duty_speed_points), the working point the graphs mark at the duty and the duct air speed.
void addDutySpeedSheet(QJsonObject& json, const fans::ListedFan& fan);
QJsonObject smokeFanJson(
    const fans::FoundFan& fan, fans::FireClass fireClass, int number, double requiredFlow);

} // namespace cli
