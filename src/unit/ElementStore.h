#pragma once

#include "common/StoreTable.h"
#include "unit/ElementRecords.h"

#include <QHash>
#include <QSqlDatabase>
#include <QStringList>
#include <optional>
#include <vector>

// Reading the element catalogue of assembled units through the alias Pritoshka, with bound statements.
// A catalogue may name its tables with or without the ".db" suffix and in any letter case ("Teploob",
// "TEPLOOB.DB", "teploob"): each is found once per reader. A table the reader needs that is missing, or a
// statement the engine refuses, throws CatalogueError with the store's message; a row that is not there
// reads as nothing.
namespace unit {

// Heater types are shown and looked up by their first 15 characters.
inline constexpr int heaterTypeLength = 15;

class ElementStore {
public:
    explicit ElementStore(QSqlDatabase db);

    // The standard sections in stored order; each row's `num` is its position, 1, 2, ...
    std::vector<SectionRecord> sections();
    // The section whose NUM is `index`.
    std::optional<SectionRecord> section(int index);

    // Every row of an accessory table for a section, in the table's own order.
    std::vector<AccessoryRecord> accessories(AccessoryKind kind, int kanalIndex);
    // The first row of a section with this type and model.
    std::optional<AccessoryRecord> accessory(
        AccessoryKind kind, int kanalIndex, const QString& tip, const QString& model);

    // The distinct types of a heater table, each cut to 15 characters, sorted alphabetically.
    QStringList heaterTypes(HeaterKind kind);
    // Every model of a type (its first 15 characters, blanks trimmed), by section index and then model.
    std::vector<HeaterRecord> heaterCandidates(HeaterKind kind, const QString& tip);

    std::optional<CoolerRecord> cooler(const QString& tip, int kanalIndex);
    std::optional<CondensingUnitRecord> condensingUnit(const QString& name);

private:
    // The table's name as this catalogue stores it.
    QString table(const QString& bareName);

    QSqlDatabase m_db;
    std::optional<QStringList> m_tables;
    QHash<QString, QString> m_resolved;
};

// The reader of the alias Pritoshka.
ElementStore pritoshkaElementStore();

// Bare names of the tables ("klapana"), as the bundled catalogue stores them.
QString accessoryTableName(AccessoryKind kind);
QString heaterTableName(HeaterKind kind);

// Column kinds of the element tables, for building a catalogue from text.
std::optional<store::TableDef> knownElementTableDef(const QString& tableName);

} // namespace unit
