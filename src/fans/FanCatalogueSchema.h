#pragma once

#include "common/StoreTable.h"
#include "fans/FanCatalogueKind.h"
#include "fans/FanRecord.h"

#include <QString>
#include <optional>
#include <vector>

namespace store {
class StoreQuery;
}

// The fan catalogue tables as stored, and the reading of one stored row into a FanRecord.
namespace fans {

// "razmzfn" or "razmzfnsmk".
QString catalogueTableName(CatalogueKind kind);

// Column name of curve column i = 1..80.
QString curveColumnName(int i);

// Definition of a catalogue table (columns and kinds), used when a catalogue is built from text sources.
store::TableDef catalogueTableDef(CatalogueKind kind);
// Whether a catalogue may leave out a column of its table definition (the program does not read it).
bool isOptionalColumn(CatalogueKind kind, const QString& column);
// The definition of a known catalogue table by its name (any case, with or without ".db").
std::optional<store::TableDef> knownCatalogueTableDef(const QString& tableName);

// A FanRecord from the current row of a query; columns absent from the result keep their defaults. The
// series name is cut to 25 characters; the curve ends at the first empty flow column.
FanRecord fanRecordFromRow(const store::StoreQuery& row);

// The number of curve points: flows 1..N are all present, N <= 20.
int curvePointCount(const FanRecord& fan);

} // namespace fans
