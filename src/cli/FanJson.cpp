#include "cli/FanJson.h"

#include "cli/CliCommand.h"
#include "common/NumberText.h"
#include "fans/DutyFit.h"
#include "fans/FanDesignation.h"
#include "fans/FoundFanRow.h"
#include "fans/SmokeFoundFanRow.h"
#include "fanviews/FanCurveSet.h"

#include <QJsonArray>

using namespace Qt::StringLiterals;

namespace cli {

namespace {

void addFit(QJsonObject& json, const fans::FoundFan& fan, double requiredFlow)
{
    const fans::DutyFit fit = fans::dutyFit(fan, requiredFlow);
    json.insert(u"deviation"_s, jsonNumber(fit.deviation));
    json.insert(u"efficiency"_s, jsonNumber(fit.efficiency));
    json.insert(u"speed_for_duty"_s, jsonNumber(fit.speedForDuty));
}

} // namespace

QJsonObject generalFanJson(const fans::FoundFan& fan, fans::FanGroup group, int number, double requiredFlow)
{
    QJsonObject json = generalFanIdentityJson(*fan.record, group);
    json.insert(u"number"_s, number);
    json.insert(u"flow"_s, roundHalfEven(fan.operatingFlow));
    json.insert(u"pressure"_s, roundHalfEven(fan.operatingPressure));
    json.insert(u"power"_s, jsonNumber(fan.powerAtOperating));
    json.insert(u"power_max"_s, jsonNumber(fan.powerAtMaxFlow));
    json.insert(u"air_speed"_s, jsonNumber(fan.airSpeed));
    addFit(json, fan, requiredFlow);
    return json;
}

QJsonObject generalFanIdentityJson(const FanRecord& r, fans::FanGroup group)
{
    return {
        {u"designation"_s, fans::generalDesignation(r)},
        {u"diameter"_s, r.d},
        {u"rpm"_s, r.n},
        {u"duct"_s, fans::ductSizeCell(r, group)},
        {u"poles"_s, r.polus},
        {u"phases"_s, r.fazkol ? 3 : 1},
        {u"noise_in"_s, r.lpaInput},
        {u"noise_out"_s, r.lpaOutput},
        {u"noise_case"_s, r.lpaArround},
        {u"installed_power"_s, r.ny},
        {u"mass"_s, roundHalfEven(r.massa)},
    };
}

QJsonObject speedControlledFanJson(const fans::SpeedControlledFan& fan, fans::FanGroup group, int rank)
{
    QJsonObject json = generalFanIdentityJson(*fan.record, group);
    json.insert(u"rank"_s, rank);
    json.insert(u"full_speed_flow"_s, fan.fullSpeedFlow);
    json.insert(u"speed_ratio"_s, fan.speedRatio);
    json.insert(u"speed"_s, jsonNumber(fan.speed));
    json.insert(u"power"_s, jsonNumber(fan.power));
    json.insert(u"efficiency"_s, jsonNumber(fan.efficiency));
    json.insert(u"sfp"_s, jsonNumber(fan.sfp));
    json.insert(u"sfp_class"_s, fan.sfpClass ? QJsonValue(*fan.sfpClass) : QJsonValue());
    return json;
}

void addDutySpeedSheet(QJsonObject& json, const fans::ListedFan& fan)
{
    const fans::FanCurve& curve = fan.found.curve;
    QJsonArray points;
    for (int i = 0; i < curve.n; ++i) {
        points.append(QJsonArray {
            curve.x[i], curve.y[i], curve.hasPower ? QJsonValue(curve.w[i]) : QJsonValue(QJsonValue::Null)});
    }
    json.insert(u"duty_speed_points"_s, points);
    QJsonValue working = QJsonValue::Null;
    const fanviews::FanCurveSet set = fanviews::curveSetOf(curve);
    if (const auto point = fanviews::workingPointAt(set, fan.found.operatingFlow)) {
        working = QJsonObject {{u"flow"_s, point->flow}, {u"pressure"_s, point->pressure},
            {u"power"_s, curve.hasPower ? QJsonValue(point->power) : QJsonValue(QJsonValue::Null)}};
    }
    json.insert(u"working_point"_s, working);
    json.insert(u"air_speed"_s, jsonNumber(fan.found.airSpeed));
}

QJsonObject smokeFanJson(
    const fans::FoundFan& fan, fans::FireClass fireClass, int number, double requiredFlow)
{
    const FanRecord& r = *fan.record;
    QJsonObject json {
        {u"number"_s, number},
        {u"designation"_s, fans::smokeDesignation(r)},
        {u"flow"_s, roundHalfEven(fan.operatingFlow)},
        {u"pressure"_s, roundHalfEven(fan.operatingPressure)},
        {u"power"_s, jsonNumber(fan.powerAtOperating)},
        {u"power_max"_s, jsonNumber(fans::largestPower(fan.curve))},
        {u"diameter"_s, r.d},
        {u"rpm"_s, r.n},
        {u"poles"_s, r.polus},
        {u"phases"_s, r.fazkol ? 3 : 1},
        {u"fire"_s, fans::fireResistanceCell(r, fireClass).trimmed()},
        {u"installed_power"_s, r.ny},
        {u"mass"_s, roundHalfEven(r.massa)},
    };
    addFit(json, fan, requiredFlow);
    return json;
}

} // namespace cli
