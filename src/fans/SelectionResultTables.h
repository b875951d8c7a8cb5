#pragma once

#include "common/StoreTable.h"
#include "fans/FanCatalogueKind.h"
#include "fans/FanRecord.h"

#include <QString>
#include <optional>
#include <vector>

// The result tables of a selection run in the working database: Razmchek (the candidates that passed the
// filters) and RAZMDIAP (the fans whose curve meets the duty band), in a general-ventilation or a
// smoke-exhaust variant. A run calls create() once, then appends as it goes; the windows read them back.
// Every function throws CatalogueError on a store error.
namespace fans {

enum class ResultTable { Candidates, Accepted };

// One stored result: Num gives the order in which the run appended it.
struct ResultRow {
    int num = 0;
    FanRecord fan; // name: series prefix (Candidates) or designation (Accepted)
};

class SelectionResultTables {
public:
    static QString tableName(ResultTable table); // "Razmchek", "RAZMDIAP"
    // The general variant of a fan run for an assembled unit has no Krysh and Podpor and keeps each fan's
    // length (Dlina) between Davlen and Massa.
    static store::TableDef tableDef(CatalogueKind kind, ResultTable table, bool unitRun = false);

    // Creates both tables of the variant, replacing whatever the previous run left.
    static void create(CatalogueKind kind, bool unitRun = false);
    // Whether the tables the last create() made are those of a unit run.
    static bool isUnitRun();
    // The variant of the tables the last create() made (throws when there are none).
    static CatalogueKind currentKind();

    // Appends catalogue records as candidates, in one transaction: Name is the series prefix (before the
    // first blank), curve columns are copied where present (the smoke-exhaust run passes its rescaled
    // curves); the smoke variant leaves A, B and the noise columns empty.
    static void appendCandidates(const std::vector<FanRecord>& fans);
    static void appendCandidates(const std::vector<const FanRecord*>& fans); // without copying them
    // Appends accepted fans, in one transaction: Name is the fan's designation, the curve columns of its
    // points 1..N are copied, everything else as for candidates.
    static void appendAccepted(const std::vector<FanRecord>& fans);
    static void appendAccepted(const std::vector<const FanRecord*>& fans);

    // The rows of a table in Num order.
    static std::vector<ResultRow> read(ResultTable table);
    // The accepted fan with this designation.
    static std::optional<ResultRow> findAccepted(const QString& designation);
};

} // namespace fans
