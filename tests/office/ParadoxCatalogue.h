#pragma once

#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "fans/FanCatalogueSchema.h"
#include "office/ParadoxWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>

// The bundled fan catalogue (built beside the test programs) copied into Paradox tables, as a design
// office would keep it.
namespace paradoxcatalogue {

inline QString bundledCatalogue()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/vozuvada.sqlite");
}

// The fields of a catalogue table as the office keeps them: every column of its definition.
inline std::vector<paradoxwriter::Field> catalogueFields(fans::CatalogueKind kind)
{
    std::vector<paradoxwriter::Field> fields;
    for (const store::FieldDef& def : fans::catalogueTableDef(kind).fields)
        fields.push_back(paradoxwriter::fieldOf(def));
    return fields;
}

// The records of a table of the bundled catalogue in its order, a value per field (null where the
// catalogue leaves the column out or empty); at most `limit` records when limit > 0.
inline std::vector<QVariantList> bundledRecords(
    fans::CatalogueKind kind, const std::vector<paradoxwriter::Field>& fields, int limit = 0)
{
    store::AliasConfig config;
    config.database = bundledCatalogue();
    store::OwnConnection connection(config);
    QSqlQuery query(connection.db());
    query.setForwardOnly(true);
    EXPECT_TRUE(query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid")
                               .arg(store::quoted(fans::catalogueTableName(kind)))));
    std::vector<QVariantList> records;
    while (query.next() && (limit <= 0 || int(records.size()) < limit)) {
        QVariantList record;
        for (const auto& field : fields) {
            const int at = query.record().indexOf(field.name);
            record << (at < 0 ? QVariant() : query.value(at));
        }
        records.push_back(record);
    }
    return records;
}

// Writes the fan tables of the bundled catalogue into the folder under the names an office's files have.
inline void writeBundledFanTables(const QDir& folder, int limit = 0)
{
    for (const auto& [kind, file] : {std::pair {fans::CatalogueKind::General, QStringLiteral("razmzfn.DB")},
             std::pair {fans::CatalogueKind::Smoke, QStringLiteral("RAZMZFNsmk.DB")}}) {
        const auto fields = catalogueFields(kind);
        paradoxwriter::writeTable(folder.filePath(file), fields, bundledRecords(kind, fields, limit));
    }
}

} // namespace paradoxcatalogue
