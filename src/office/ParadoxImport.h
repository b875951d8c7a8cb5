#pragma once

#include "common/StoreImport.h"

#include <QString>
#include <QStringList>
#include <vector>

// Import of a catalogue kept as Paradox tables: the fan, smoke-exhaust fan, element and air-curtain tables
// of a folder, checked against the columns the program reads and converted to their kinds.
namespace office {

struct ParadoxImportPlan {
    std::vector<store::PreparedTable> tables; // the tables the program reads, in file-name order
    QStringList skippedTables; // files of tables the program does not read (result tables, others)
    QStringList notes; // columns the program does not read, left out of the import
};

// Reads every ".db" file of the folder (any letter case). Throws CatalogueError listing, one per line,
// every fault found in any table (an unreadable or cut file, a missing column, a column of another type,
// a value that does not fit its column), so that a catalogue is only written when all of it is sound.
ParadoxImportPlan prepareParadoxFolder(const QString& folder);

} // namespace office
