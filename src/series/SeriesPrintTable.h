#pragma once

#include "common/StoreTable.h"
#include "series/SeriesOverview.h"

// The working table `ventutil` that the series printed form lists: one record per fan of the series
// shown, in the working database of the process.
namespace series {

QString printTableName();
store::TableDef printTableDef(SeriesKind kind);

// Replaces the table with the rows of the overview. Throws CatalogueError.
void writePrintTable(const SeriesOverview& overview);

} // namespace series
