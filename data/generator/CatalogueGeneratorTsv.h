#pragma once

#include "fans/FanCatalogueKind.h"
#include "fans/FanRecord.h"

#include <QString>
#include <vector>

// The text source of a fan catalogue table, as the build turns it into the bundled catalogue: UTF-8,
// tab-separated, the column names in the first line, one fan per line in catalogue order. Booleans are
// "1"/"0", an empty cell is NULL, numbers use "." as decimal point.
namespace fans {

QString catalogueTsv(CatalogueKind kind, const std::vector<FanRecord>& fans);

// Writes the text to a file atomically (an old file stays intact on failure). Returns an error text, empty
// on success.
QString writeCatalogueTsv(const QString& path, const QString& text);

} // namespace fans
