#pragma once

#include "fans/FanSelection.h"
#include "fans/FoundFansContent.h"
#include "fans/ListedFan.h"
#include "fans/SmokeSelectionRequest.h"
#include "fans/SmokeSelectionRun.h"

#include <QChar>
#include <QStringList>

namespace fans {

// The 14 cells of a found smoke-exhaust fan's row, in column order: number, designation, operating flow
// and pressure, D, n, power at the operating point, poles, phases, largest power, fire resistance, an
// empty price cell, installed power, mass. Numbers use the given decimal mark.
constexpr int smokeFoundFanColumns = 14;
QStringList smokeFoundFanRow(const FoundFan& fan, FireClass fireClass, int number, QChar decimalSeparator);
QStringList smokeFoundFanRow(const ListedFan& fan, FireClass fireClass, int number, QChar decimalSeparator);

// The largest power among the curve's points (the grid's Nмакс), nothing without a power curve.
std::optional<double> largestPower(const FanCurve& curve);

// The two header rows of that grid; the fire-resistance heading names the class required.
QStringList smokeFoundFanHeaderRow(int row, FireClass fireClass);

// "          +" when the fan meets the fire class, "          -" when it does not.
QString fireResistanceCell(const FanRecord& fan, FireClass fireClass);

// What the smoke-exhaust fans-found window shows of a run, with the run's record for the chosen fan's
// data sheet.
struct SmokeFoundFansContent {
    FoundFansContent fans;
    SmokeSelectionRun run;
};
SmokeFoundFansContent smokeFoundFansContentOf(
    const SelectionOutcome& outcome, const SmokeSelectionRequest& request, QChar decimalSeparator);

} // namespace fans
