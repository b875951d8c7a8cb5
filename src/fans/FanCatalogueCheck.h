#pragma once

#include <QSqlDatabase>
#include <QString>
#include <vector>

// Validation of a maker's fan catalogue before it is shipped or configured.
namespace fans {

struct CatalogueFinding {
    QString table; // "razmzfn" or "razmzfnsmk"
    int record = 0; // 1-based position in the store's order; 0 for the table as a whole
    QString designation; // of the record, when there is one
    QString message;
};

// Checks both fan tables of db: curves of at least four points with strictly ascending flows, pressures
// and powers present, powers positive and efficiencies Q·p/(3600·1000·P) within [0, 1], no filled point
// after the first empty flow, designations unique within a table,
// the 25-, 15- and 10-character limits of names, codes and installed power texts.
std::vector<CatalogueFinding> checkFanCatalogue(const QSqlDatabase& db);

} // namespace fans
