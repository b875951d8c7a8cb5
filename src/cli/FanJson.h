#pragma once

#include "fans/FanSelection.h"
#include "fans/SmokeSelectionRequest.h"

#include <QJsonObject>

// A listed fan as the selection commands write it: the values of its row in the fans-found list and how
// it meets the duty (deviation, efficiency, speed_for_duty). The drawn curve is added by the caller.
namespace cli {

QJsonObject generalFanJson(const fans::FoundFan& fan, fans::FanGroup group, int number, double requiredFlow);
QJsonObject smokeFanJson(
    const fans::FoundFan& fan, fans::FireClass fireClass, int number, double requiredFlow);

} // namespace cli
