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

} // namespace store
