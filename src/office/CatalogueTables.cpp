#include "office/CatalogueTables.h"

#include "common/StoreDialect.h"
#include "curtains/CurtainCatalogue.h"
#include "fans/FanCatalogueSchema.h"
#include "unit/ElementStore.h"

namespace office {

std::optional<store::TableDef> knownTableDef(const QString& tableName)
{
    if (auto fanTable = fans::knownCatalogueTableDef(tableName))
        return fanTable;
    if (auto curtainTable = curtains::knownCurtainTableDef(tableName))
        return curtainTable;
    return unit::knownElementTableDef(tableName);
}

bool isOptionalColumn(const QString& tableName, const QString& column)
{
    const QString name = store::tableName(tableName);
    for (const fans::CatalogueKind kind : {fans::CatalogueKind::General, fans::CatalogueKind::Smoke}) {
        if (name == fans::catalogueTableName(kind))
            return fans::isOptionalColumn(kind, column);
    }
    return false;
}

} // namespace office
