#include "fans/SmokeFoundFanRow.h"

#include "common/NumberText.h"
#include "fans/FanDesignation.h"
#include "fans/SmokeSelection.h"

#include <algorithm>

namespace fans {
namespace {

constexpr int columnTextLength = 20;

// Smoke-exhaust curves give shaft power.
QString shaftPowerText(const std::optional<double>& power, QChar decimalSeparator)
{
    return power ? generalText4(*power, decimalSeparator) + QStringLiteral(" (на валу)") : QString();
}

// The row of a fan whose record is `fan`: a fan of a run, or one kept as values.
QStringList rowOf(
    const FanRecord& fan, const FoundFan& found, FireClass fireClass, int number, QChar decimalSeparator)
{
    return {
        QString::number(number),
        smokeDesignation(fan),
        integerText(found.operatingFlow),
        integerText(found.operatingPressure),
        QString::number(fan.d),
        QString::number(fan.n),
        shaftPowerText(found.powerAtOperating, decimalSeparator),
        QString::number(fan.polus),
        fan.fazkol ? QStringLiteral("3") : QStringLiteral("1"),
        shaftPowerText(largestPower(found.curve), decimalSeparator),
        fireResistanceCell(fan, fireClass),
        QString(),
        fan.ny.left(columnTextLength),
        integerText(fan.massa),
    };
}

} // namespace

std::optional<double> largestPower(const FanCurve& curve)
{
    if (!curve.hasPower || curve.n == 0)
        return std::nullopt;
    return *std::max_element(curve.w.begin(), curve.w.begin() + curve.n);
}

QString fireResistanceCell(const FanRecord& fan, FireClass fireClass)
{
    const bool rated = fireClass == FireClass::C400 || fan.stoikost;
    return QStringLiteral("          ") + (rated ? QLatin1Char('+') : QLatin1Char('-'));
}

QStringList smokeFoundFanRow(const FoundFan& found, FireClass fireClass, int number, QChar decimalSeparator)
{
    return rowOf(*found.record, found, fireClass, number, decimalSeparator);
}

QStringList smokeFoundFanRow(const ListedFan& listed, FireClass fireClass, int number, QChar decimalSeparator)
{
    return rowOf(listed.record, listed.found, fireClass, number, decimalSeparator);
}

QStringList smokeFoundFanHeaderRow(int row, FireClass fireClass)
{
    if (row == 0)
        return {QString(), QStringLiteral("Наименование"), QStringLiteral("Ист. Расход"),
            QStringLiteral("Ист. Давление"), QStringLiteral("Диаметр"), QStringLiteral(" Частота  "),
            QStringLiteral("Мощность при раб."), QStringLiteral("Колич."), QStringLiteral("Колич."),
            QStringLiteral("Мощность максимальная"), QStringLiteral("Огнестойкость"), QString(),
            QStringLiteral("Мощность"), QStringLiteral("Масса")};
    return {QString(), QString(), QStringLiteral("Qи (м3/час)"), QStringLiteral("   Pи (Па)   "),
        QStringLiteral("D (мм)"), QStringLiteral("n (об/мин)"), QStringLiteral("режиме, N кВт"),
        QStringLiteral("полюсов"), QStringLiteral("фаз"), QStringLiteral("       Nмакс,кВт     "),
        fireClass == FireClass::C400 ? QStringLiteral("400°C/2часа") : QStringLiteral("600°C/2часа"),
        QString(), QStringLiteral("Nу, кВт"), QStringLiteral("  кг")};
}

SmokeFoundFansContent smokeFoundFansContentOf(
    const SelectionOutcome& outcome, const SmokeSelectionRequest& request, QChar decimalSeparator)
{
    SmokeFoundFansContent content;
    content.fans = foundFansContentOf(
        outcome, request.flow, request.group == SmokeGroup::RoofWall, [&](const FoundFan& fan, int number) {
            return smokeFoundFanRow(fan, request.fireClass, number, decimalSeparator);
        });
    content.run = smokeRunRecord(outcome, request);
    content.fans.run = content.run;
    return content;
}

} // namespace fans
