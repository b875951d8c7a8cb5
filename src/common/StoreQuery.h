#pragma once

#include "common/StoreCell.h"

#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>

namespace store {

class SqliteStatement;
class CatalogueReadLock;

// A read statement with bound values ("?" placeholders), run at construction, read row by row. Columns
// are found by name (case-insensitive) once, then read by position; a NULL field reads as "" or 0, as
// callers expect. Throws CatalogueError with the engine's message when the statement fails or a row
// cannot be read, and one naming the table, the record and the column when a cell read as a number or a
// yes/no holds something else (a text, an infinity): such a cell is a fault of the catalogue, never a
// zero. On SQLite the rows are read through the engine's own interface, cell by cell, without the Qt SQL
// layer's copies.
class StoreQuery {
public:
    StoreQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});
    ~StoreQuery();
    StoreQuery(const StoreQuery&) = delete;
    StoreQuery& operator=(const StoreQuery&) = delete;

    bool next(); // moves to the next row; false at the end

    // Position of a column in the result, or -1 when the result has no such column.
    int column(const QString& field) const;
    // Position of a column the caller cannot do without: a missing one is a CatalogueError naming the
    // table and the column.
    int requiredColumn(const QString& field, const QString& table) const;
    bool hasField(const QString& field) const { return column(field) >= 0; }

    // Reads of the current row by position; a position of -1 reads as NULL.
    QVariant value(int column) const;
    bool isNull(int column) const;
    QString text(int column) const;
    double number(int column) const; // NULL or blank: 0
    int integer(int column) const; // rounded; NULL or blank: 0
    bool boolean(int column) const; // NULL or blank: false
    // The value when the field holds a finite number or a number text; nothing when it is NULL or blank.
    std::optional<double> optionalNumber(int column) const;

    // The same by name; a name not in the result is a CatalogueError.
    QVariant value(const QString& field) const { return value(existing(field)); }
    bool isNull(const QString& field) const { return isNull(existing(field)); }
    QString text(const QString& field) const { return text(existing(field)); }
    double number(const QString& field) const { return number(existing(field)); }
    int integer(const QString& field) const { return integer(existing(field)); }
    bool boolean(const QString& field) const { return boolean(existing(field)); }
    std::optional<double> optionalNumber(const QString& field) const
    {
        return optionalNumber(existing(field));
    }

private:
    int existing(const QString& field) const;
    NumberCell numberCell(int column) const;
    BooleanCell booleanCell(int column) const;
    [[noreturn]] void badCell(int column, const QString& held, const QString& expected) const;

    std::unique_ptr<SqliteStatement> m_sqlite; // SQLite
    std::unique_ptr<CatalogueReadLock> m_readLock; // other engines: held until the rows are read
    std::optional<QSqlQuery> m_query; // other engines
    bool m_pendingRow = false; // SQLite: the first row, stepped to at construction, not yet read
    bool m_onRow = false; // SQLite: on a row (false again once the rows are done)
    QHash<QString, int> m_columns; // lower-case field name -> column
    QStringList m_names; // field names by column, as the result gives them
    QString m_table; // the table read, for messages
    int m_record = 0; // the current row, counted from 1
};

// The message of a table that lacks a column the program reads.
QString missingColumnMessage(const QString& table, const QString& column);

} // namespace store
