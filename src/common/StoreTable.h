#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

// Table definitions and the writes of the store: creating (replacing) a table, appending records.
namespace store {

enum class FieldKind {
    AutoIncrement, // required, filled by the store
    Boolean,
    String, // of a fixed size
    Int16,
    Currency,
    Float,
};

struct FieldDef {
    QString name;
    FieldKind kind = FieldKind::Float;
    int size = 0; // String only: the number of characters
};

struct IndexDef {
    QString name; // secondary index name, e.g. "Name_D_N"; ignored for the primary index
    QString fields; // "Name;D;N"
    bool primary = false;
    bool caseInsensitive = false;
};

struct TableDef {
    QString name;
    std::vector<FieldDef> fields;
    std::vector<IndexDef> indexes;

    const FieldDef* field(const QString& fieldName) const; // case-insensitive; null when absent
};

// A transaction on a connection, rolled back unless committed. Transactions nest: an inner one on the
// same connection joins the outer one, so writes that keep their own transaction (createTable,
// appendRecords) can be made parts of a larger all-or-nothing step.
class Transaction {
public:
    explicit Transaction(const QSqlDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    QSqlDatabase m_db;
    bool m_outermost = false;
    bool m_done = false;
};

// Creates the table with its indexes, replacing a table of that name. Throws CatalogueError.
void createTable(const QSqlDatabase& db, const TableDef& table);

// Appends records (values in the order of columns; a null QVariant is NULL) in one transaction: either
// every record is stored or none. Throws CatalogueError.
void appendRecords(const QSqlDatabase& db, const QString& table, const QStringList& columns,
    const std::vector<QVariantList>& records);

class SqliteStatement;

// Appends records through one prepared statement, in one transaction, binding each value directly: a
// caller with many records need not build them as lists first. Set the values of a record with bind(),
// store it with post(), and commit() at the end; without commit() nothing is stored. A value keeps its
// binding until bound again. On SQLite the values go to the engine directly, without the Qt SQL layer.
// Throws CatalogueError.
class RecordAppender {
public:
    RecordAppender(const QSqlDatabase& db, const QString& table, const QStringList& columns);
    ~RecordAppender();
    RecordAppender(const RecordAppender&) = delete;
    RecordAppender& operator=(const RecordAppender&) = delete;

    void bind(int column, const QVariant& value); // a null variant or a null text is NULL
    void bind(int column, double value);
    void bind(int column, int value);
    void bind(int column, bool value);
    void bind(int column, const QString& text); // a null text is NULL
    void bindNull(int column);
    void post();
    void commit() { m_transaction.commit(); }

private:
    Transaction m_transaction;
    std::unique_ptr<SqliteStatement> m_sqlite; // SQLite
    std::optional<QSqlQuery> m_query; // other engines
};

// Runs a statement that returns no rows (UPDATE, DELETE) with bound values; returns the rows affected.
int execute(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

} // namespace store
