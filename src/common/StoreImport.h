#pragma once

#include "common/StoreSettings.h"
#include "common/StoreTable.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

// Building a catalogue from its text sources: one tab-separated UTF-8 file per table, named after the
// table ("razmzfn.tsv"), the first line the column names, then one record per line in insertion order
// (booleans "1"/"0", "." as decimal point, an empty cell is NULL).
namespace store {

// The definition of a table the program knows (its column kinds), or nothing: the columns of an unknown
// table are then typed from their contents (whole numbers, numbers, else text).
using TableDefLookup = std::function<std::optional<TableDef>(const QString& tableName)>;

struct ImportedTable {
    QString name;
    int records = 0;
};

// A table read from some source and converted to the kinds of its definition, ready to be written.
struct PreparedTable {
    TableDef def;
    QStringList columns; // the columns the source gives, in the order of each record's values
    std::vector<QVariantList> records;
};

// Writes prepared tables into a new SQLite file at outPath, built beside it and renamed over it at the
// end, so that a failed write leaves the previous catalogue untouched; or, for a PostgreSQL target,
// replaces those tables in one transaction (other tables stay; a failure changes nothing).
std::vector<ImportedTable> writeCatalogue(const std::vector<PreparedTable>& tables, const QString& outPath);
std::vector<ImportedTable> writeCatalogue(
    const std::vector<PreparedTable>& tables, const AliasConfig& target);

// Writes a new SQLite file at outPath holding every *.tsv of folder (none when folder is empty: an empty,
// valid catalogue). The file is built beside outPath and then renamed over it, so a failed import leaves
// the previous catalogue untouched. Throws CatalogueError naming the file, line and column of bad data.
std::vector<ImportedTable> importTsvFolder(
    const QString& folder, const QString& outPath, const TableDefLookup& lookup);

// The same into the database of a configuration: a SQLite file as above; in a PostgreSQL database (which
// must exist) the tables of the folder are replaced in one transaction, other tables stay, and a failed
// import changes nothing.
std::vector<ImportedTable> importTsvFolder(
    const QString& folder, const AliasConfig& target, const TableDefLookup& lookup);

} // namespace store
