#pragma once

#include "common/StoreTable.h"

#include <QString>
#include <optional>

// The catalogue tables the program reads: the fan, smoke-exhaust fan, element and air-curtain tables.
namespace office {

// The definition (columns and kinds) of a table the program reads, by its name in any case, with or
// without ".db"; nothing for any other table.
std::optional<store::TableDef> knownTableDef(const QString& tableName);

// Whether a catalogue may leave out a column of a known table because the program does not read it.
bool isOptionalColumn(const QString& tableName, const QString& column);

} // namespace office
