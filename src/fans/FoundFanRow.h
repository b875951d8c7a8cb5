#pragma once

#include "fans/FanSelection.h"
#include "fans/ListedFan.h"

#include <QChar>
#include <QStringList>

namespace fans {

// The 19 cells of a found fan's row in the fans-found grid, in column order: number, designation,
// operating flow and pressure, D, n, duct size, powers, poles, phases, noise, air speed, code,
// installed power, mass. Numbers use the given decimal mark.
constexpr int foundFanColumns = 19;
QStringList foundFanRow(const FoundFan& fan, FanGroup group, int number, QChar decimalSeparator);
// The same of a listed fan kept as values; a fan slowed down to its duty gives its duty speed as n.
QStringList foundFanRow(const ListedFan& fan, FanGroup group, int number, QChar decimalSeparator);

// The duct-size cell of that row: "*" for roof and pressurization fans, "диам.A" for a round connection,
// "A*B" otherwise.
QString ductSizeCell(const FanRecord& fan, FanGroup group);

// The two header rows of that grid.
QStringList foundFanHeaderRow(int row);

// A stored real as the catalogue shows it in grids: shortest general form with the given decimal mark.
QString storedRealText(double value, QChar decimalSeparator);

// " (электрич.)" for the series whose curves give electrical power, " (на валу)" for shaft power.
QString powerSuffix(const QString& designation);

} // namespace fans
