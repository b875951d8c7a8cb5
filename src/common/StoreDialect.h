#pragma once

#include "common/StoreSettings.h"

#include <QSqlDatabase>
#include <QString>
#include <QStringList>

// Everything that differs between the engines behind an alias (SQLite, PostgreSQL) is said here; the rest
// of the program writes plain SQL with quoted identifiers and bound values.
namespace store {

struct TableDef;

Engine engineOf(const QSqlDatabase& db);

// A table named by its file name ("RAZMZFNsmk.DB", "razmzfn.db") or bare name: the bare name in lower
// case, as stored. Table names are case-insensitive in the catalogue.
QString tableName(const QString& name);

// "Name" -> "\"Name\"" (doubling any quote inside).
QString quoted(const QString& identifier);

// The statements that create a table and its indexes (the table must not exist). On PostgreSQL a table
// without a primary index gets the column insertionOrderColumn() first.
QStringList createTableStatements(Engine engine, const TableDef& table);

// The clause that reads a table in insertion order when it has no primary index of its own (SQLite: by
// rowid; PostgreSQL: by the serial column "RecNo").
QString insertionOrder(Engine engine);
QString insertionOrderColumn();

// Whether a table exists.
bool tableExists(const QSqlDatabase& db, const QString& table);

// PostgreSQL: a statement that reads a catalogue runs while holding this lock shared, and an import holds
// it exclusively only while it puts its new tables in place. A reader thus sees the old tables or the new
// ones whole: without it, a statement begun just before an import ended waits for the replaced table and
// then reads the new one under its older snapshot, which shows it empty. Nothing on SQLite, whose imports
// replace the whole file.
class CatalogueReadLock {
public:
    explicit CatalogueReadLock(const QSqlDatabase& db);
    ~CatalogueReadLock();
    CatalogueReadLock(const CatalogueReadLock&) = delete;
    CatalogueReadLock& operator=(const CatalogueReadLock&) = delete;

private:
    QSqlDatabase m_db;
    bool m_held = false;
};

// PostgreSQL, inside the import's transaction: new tables are built in a schema of their own, out of the
// readers' way, and then moved over the catalogue's tables of the same names in one step at the end.
class StagedTables {
public:
    // Creates the staging schema and makes it where unqualified tables are created. Throws CatalogueError.
    explicit StagedTables(const QSqlDatabase& db);
    // Replaces the catalogue's tables by the staged ones of these names and drops the staging schema.
    void moveIntoCatalogue(const QStringList& tables);

private:
    QSqlDatabase m_db;
    QString m_catalogueSchema;
    QString m_stagingSchema;
};

} // namespace store
