#pragma once

#include "common/StoreTable.h"
#include "fans/FanCatalogueKind.h"
#include "fans/FanRecord.h"

#include <QString>
#include <array>
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

// Where the fields of a FanRecord sit in the result of a query, found once per query and then read by
// position for every row.
class FanRowLayout {
public:
    // The rows of a catalogue table: every column the program reads must be in the result, else a
    // CatalogueError names the table and the column (a missing column is never read as zero).
    static FanRowLayout ofCatalogue(const store::StoreQuery& query, CatalogueKind kind);
    // The rows of a table the program made itself (the result tables of a run): the fields it has not
    // got keep their defaults.
    static FanRowLayout ofOwnTable(const store::StoreQuery& query);

    // The FanRecord of the current row: the series name is cut to 25 characters, the curve ends at the
    // first empty flow column.
    FanRecord read(const store::StoreQuery& row) const;

private:
    enum Field {
        Name,
        Krugl,
        Krysh,
        Podpor,
        A,
        B,
        D,
        N,
        Polus,
        Fazkol,
        Davlen,
        AutoName,
        ManualName,
        LogMarks,
        MarksPosition,
        Money,
        Money600,
        Stoikost,
        LpaInput,
        LpaOutput,
        LpaArround,
        Massa,
        Dlina,
        Ny,
        FieldCount
    };
    static const char16_t* fieldName(Field field);

    std::array<int, FieldCount> m_fields {};
    std::array<int, FanRecord::curveColumnCount> m_curve {};
};

// The number of curve points: flows 1..N are all present, N <= 20.
int curvePointCount(const FanRecord& fan);

} // namespace fans
