#pragma once

#include "common/StoreCell.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <optional>

struct sqlite3;
struct sqlite3_stmt;

// Statements on a SQLite connection run through the SQLite C API on the connection's own handle, for the
// store's reads and appends of whole tables: the Qt SQL layer costs a variant per cell and a list per row,
// several times what SQLite itself needs. Values convert exactly as the Qt SQLite driver converts them,
// and errors carry the same texts, so callers see no difference between the two ways.
namespace store {

// The SQLite handle of an open QSQLITE connection; null for another engine or a closed connection.
// (Debian's Qt SQLite driver links the system SQLite library that this program links too.)
sqlite3* sqliteHandle(const QSqlDatabase& db);

// The system's reason of the last failed file operation on a SQLite connection ("No space left on
// device"), which the engine's own message ("disk I/O error") leaves out; empty when there is none.
QString sqliteSystemReason(const QSqlDatabase& db);

class SqliteStatement {
public:
    // Prepares one statement; throws CatalogueError with the engine's message.
    SqliteStatement(sqlite3* db, const QString& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    int parameterCount() const;
    // Binds the value of "?" number index (0-based); a null variant or a null text is NULL.
    void bind(int index, const QVariant& value);
    void bindNull(int index);
    void bind(int index, double value);
    void bind(int index, int value);
    void bind(int index, const QString& text); // a null text is NULL

    // Runs the statement to its next row: true with a row, false when done. Throws CatalogueError.
    bool step();
    // Makes the statement ready to run again; the bound values stay.
    void reset();

    int columnCount() const;
    QString columnName(int column) const;

    // The cells of the current row (column >= 0).
    bool isNull(int column) const;
    QVariant value(int column) const; // as the Qt driver gives it: qlonglong, double, QString, QByteArray
    QString text(int column) const; // NULL: a null text
    // The cell as a number or a yes/no, told apart from a cell that holds neither (see StoreCell.h).
    NumberCell numberCell(int column) const;
    BooleanCell booleanCell(int column) const;

private:
    [[noreturn]] void fail(const char* driverText) const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace store
