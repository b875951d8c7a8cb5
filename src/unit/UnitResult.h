#pragma once

#include "fans/FanRecord.h"
#include "unit/WorkingTables.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>
#include <vector>

// The assembled unit with the fan chosen for it: its pieces (the unit's elements and the fan behind them),
// its total length and the figures of the fan.
namespace unit {

// The unit as handed to its fan selection (Elements), in stored order. Throws CatalogueError.
std::vector<UnitElementRow> readElementsTable(const QSqlDatabase& db);

// The fan's type and model for the composition: the designation split at its first blank; a designation
// without a blank gives itself as both.
struct FanTypeModel {
    QString type;
    QString model;
};
FanTypeModel fanTypeAndModel(const QString& designation);

// Length and duct size of the unit's fan.
struct FanDimensions {
    double length = 0; // mm
    int a = 0;
    int b = 0;
};
FanDimensions fanDimensionsOf(const FanRecord& fan);

// The unit with its fan.
struct UnitResult {
    QString caption; // of the result group
    std::vector<UnitElementRow> pieces; // the unit's elements, then the fan
    double length = 0; // mm, every piece times its count
    std::vector<std::pair<QString, QString>> figures; // title and value, 13 rows
    QString ductSize; // the fan's duct size text, "600*300"
};

// `fanRow` is the chosen row of the fans-found grid (designation in cell 1, flow, pressure, D, n, duct
// size, …); without dimensions the fan adds no length and no size.
UnitResult unitResult(const std::vector<UnitElementRow>& elements, const QStringList& fanRow,
    const std::optional<FanDimensions>& fan);

// The seven cells of a composition row: name, type, model, length, section, price (never shown), count.
QStringList compositionCells(const UnitElementRow& row);

} // namespace unit
