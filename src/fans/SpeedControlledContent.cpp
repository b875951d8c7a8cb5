#include "fans/SpeedControlledContent.h"

#include "common/NumberText.h"
#include "fans/DutySpeedFan.h"
#include "fans/FanDesignation.h"
#include "fans/FoundFanRow.h"

#include <algorithm>
#include <cmath>

namespace fans {

namespace {

constexpr int systemCurveSteps = 30;

// Empty where the figure is unknown.
QString optionalFixedText(const std::optional<double>& value, int decimals, QChar decimalSeparator)
{
    return value ? fixedText(*value, decimals, decimalSeparator) : QString();
}

} // namespace

QStringList speedControlledRow(const SpeedControlledFan& fan, int rank, QChar decimalSeparator)
{
    const FanRecord& r = *fan.record;
    const QString name = generalDesignation(r);
    return {
        QString::number(rank),
        name,
        fan.speed ? integerText(*fan.speed) : QString(),
        fixedText(fan.speedRatio * 100, 1, decimalSeparator),
        fan.power ? generalText4(*fan.power, decimalSeparator) + powerSuffix(name) : QString(),
        optionalFixedText(
            fan.efficiency ? std::optional(*fan.efficiency * 100) : std::nullopt, 1, decimalSeparator),
        optionalFixedText(fan.sfp, 3, decimalSeparator),
        fan.sfpClass ? QStringLiteral("SFP%1").arg(*fan.sfpClass) : QString(),
        integerText(fan.fullSpeedFlow),
        QString::number(r.n),
        r.ny.left(20),
        integerText(r.massa),
    };
}

FoundFansColumns speedControlledColumns()
{
    return {
        {QString(), QStringLiteral("Наименование"), QStringLiteral("Частота при раб."),
            QStringLiteral("Доля номин."), QStringLiteral("Мощность при раб."), QStringLiteral("КПД"),
            QStringLiteral("SFP"), QStringLiteral("Класс SFP"), QStringLiteral("Расход при номин."),
            QStringLiteral("Номин. частота"), QStringLiteral("Мощность уст."), QStringLiteral("Масса")},
        {QString(), QString(), QStringLiteral("режиме, n об/мин"), QStringLiteral("частоты, %"),
            QStringLiteral("режиме, N кВт"), QStringLiteral("%"), QStringLiteral("кВт/(м3/с)"),
            QStringLiteral("EN 16798-3"), QStringLiteral("частоте, м3/час"), QStringLiteral("n (об/мин)"),
            QStringLiteral("  Nу, кВт"), QStringLiteral("  кг")},
        {20, 130, 100, 80, 120, 50, 70, 70, 110, 80, 77, 39},
    };
}

FoundFansContent speedControlledContentOf(
    const SpeedControlledOutcome& outcome, const SelectionRequest& request, QChar decimalSeparator)
{
    FoundFansContent content;
    content.columns = speedControlledColumns();
    content.staticPressure = request.group == FanGroup::Roof || request.pressureKind == PressureKind::Static;
    content.group = request.group;
    const double dutyPressure = roundHalfEven(outcome.k * outcome.flow * outcome.flow);
    content.dutyPoint = QPointF(outcome.flow, dutyPressure);
    content.run.requiredFlow = outcome.flow;
    content.run.requiredPressure = outcome.pressure;
    content.run.roofRun = request.group == FanGroup::Roof;
    // Every curve passes through the duty: the system curve is drawn over the flows the curves span, up to
    // the highest pressure they reach, so that it does not dwarf them.
    double lowest = outcome.flow;
    double highest = outcome.flow;
    double highestPressure = dutyPressure;
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const SpeedControlledFan& fan = outcome.fans[i];
        FoundFanEntry entry;
        entry.row = speedControlledRow(fan, int(i + 1), decimalSeparator);
        entry.designation = entry.row.at(1);
        entry.curve = dutySpeedCurve(fan);
        entry.fullSpeedCurve = fullSpeedCurve(fan);
        entry.fan = listedAtDutySpeed(fan, outcome, request.group);
        entry.label = entry.curve.back();
        entry.operatingPoint = content.dutyPoint;
        lowest = std::min(lowest, entry.curve.front().x());
        highest = std::max(highest, entry.curve.back().x());
        for (const QPointF& p : entry.curve)
            highestPressure = std::max(highestPressure, p.y());
        content.run.operatingPoints.push_back({double(i + 1 + 3), outcome.flow, dutyPressure});
        content.fans.push_back(std::move(entry));
    }
    if (outcome.k > 0)
        highest = std::clamp(std::sqrt(highestPressure / outcome.k), outcome.flow, highest);
    for (int s = 0; s <= systemCurveSteps; ++s) {
        const double q = lowest + (highest - lowest) * s / systemCurveSteps;
        content.systemCurve.emplace_back(q, outcome.k * q * q);
    }
    return content;
}

} // namespace fans
