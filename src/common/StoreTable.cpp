#include "common/StoreTable.h"

#include "common/SqliteStatement.h"
#include "common/StoreDialect.h"
#include "common/StoreError.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace store {

namespace {

void run(QSqlQuery& query, const QString& sql)
{
    if (!query.exec(sql))
        throw CatalogueError(query.lastError().text());
}

// Connections with a transaction open, and how deeply nested.
QHash<QString, int>& openTransactions()
{
    static QHash<QString, int> depths;
    return depths;
}

} // namespace

Transaction::Transaction(const QSqlDatabase& db)
    : m_db(db)
{
    int& depth = openTransactions()[m_db.connectionName()];
    if (depth == 0 && !m_db.transaction())
        throw CatalogueError(m_db.lastError().text());
    m_outermost = depth == 0;
    ++depth;
}

Transaction::~Transaction()
{
    if (!m_done) {
        if (m_outermost)
            m_db.rollback();
        int& depth = openTransactions()[m_db.connectionName()];
        depth = m_outermost ? 0 : depth - 1;
    }
}

void Transaction::commit()
{
    if (m_outermost && !m_db.commit())
        throw CatalogueError(m_db.lastError().text());
    --openTransactions()[m_db.connectionName()];
    m_done = true;
}

const FieldDef* TableDef::field(const QString& fieldName) const
{
    for (const FieldDef& f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

void createTable(const QSqlDatabase& db, const TableDef& table)
{
    Transaction transaction(db);
    QSqlQuery query(db);
    run(query, QStringLiteral("DROP TABLE IF EXISTS ") + quoted(tableName(table.name)));
    for (const QString& statement : createTableStatements(engineOf(db), table))
        run(query, statement);
    transaction.commit();
}

RecordAppender::RecordAppender(const QSqlDatabase& db, const QString& table, const QStringList& columns)
    : m_transaction(db)
{
    QStringList names;
    QStringList marks;
    for (const QString& column : columns) {
        names << quoted(column);
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(quoted(tableName(table)), names.join(QStringLiteral(", ")),
                                marks.join(QStringLiteral(", ")));
    if (sqlite3* handle = sqliteHandle(db)) {
        m_sqlite = std::make_unique<SqliteStatement>(handle, sql);
        return;
    }
    m_query.emplace(db);
    if (!m_query->prepare(sql))
        throw CatalogueError(m_query->lastError().text());
}

RecordAppender::~RecordAppender() = default;

void RecordAppender::bind(int column, const QVariant& value)
{
    if (m_sqlite)
        m_sqlite->bind(column, value);
    else
        m_query->bindValue(column, value);
}

void RecordAppender::bind(int column, double value)
{
    if (m_sqlite)
        m_sqlite->bind(column, value);
    else
        m_query->bindValue(column, value);
}

void RecordAppender::bind(int column, int value)
{
    if (m_sqlite)
        m_sqlite->bind(column, value);
    else
        m_query->bindValue(column, value);
}

void RecordAppender::bind(int column, bool value)
{
    if (m_sqlite)
        m_sqlite->bind(column, int(value)); // as the Qt driver stores a boolean
    else
        m_query->bindValue(column, value);
}

void RecordAppender::bind(int column, const QString& text)
{
    if (m_sqlite)
        m_sqlite->bind(column, text);
    else
        m_query->bindValue(column, text);
}

void RecordAppender::bindNull(int column)
{
    if (m_sqlite)
        m_sqlite->bindNull(column);
    else
        m_query->bindValue(column, QVariant());
}

void RecordAppender::post()
{
    if (m_sqlite) {
        m_sqlite->step();
        m_sqlite->reset();
        return;
    }
    if (!m_query->exec())
        throw CatalogueError(m_query->lastError().text());
}

void appendRecords(const QSqlDatabase& db, const QString& table, const QStringList& columns,
    const std::vector<QVariantList>& records)
{
    RecordAppender appender(db, table, columns);
    for (const QVariantList& record : records) {
        for (qsizetype i = 0; i < columns.size(); ++i)
            appender.bind(int(i), i < record.size() ? record[i] : QVariant());
        appender.post();
    }
    appender.commit();
}

int execute(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        throw CatalogueError(query.lastError().text());
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw CatalogueError(query.lastError().text());
    return query.numRowsAffected();
}

} // namespace store
