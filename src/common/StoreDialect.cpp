#include "common/StoreDialect.h"

#include "common/StoreError.h"
#include "common/StoreTable.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace store {

namespace {

QString columnType(Engine engine, const FieldDef& field)
{
    const bool sqlite = engine == Engine::Sqlite;
    switch (field.kind) {
    case FieldKind::AutoIncrement:
        return sqlite ? QStringLiteral("INTEGER NOT NULL") : QStringLiteral("SERIAL NOT NULL");
    case FieldKind::Boolean:
        return QStringLiteral("BOOLEAN");
    case FieldKind::String:
        return QStringLiteral("VARCHAR(%1)").arg(field.size > 0 ? field.size : 255);
    case FieldKind::Int16:
        return QStringLiteral("SMALLINT");
    case FieldKind::Currency:
        return sqlite ? QStringLiteral("REAL") : QStringLiteral("NUMERIC(19,4)");
    case FieldKind::Float:
        return sqlite ? QStringLiteral("REAL") : QStringLiteral("DOUBLE PRECISION");
    }
    return {};
}

// "Name;D;N" as a list of index columns; text columns compare without case in a case-insensitive index.
QString indexColumns(Engine engine, const TableDef& table, const IndexDef& index)
{
    QStringList columns;
    for (const QString& part : index.fields.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const FieldDef* field = table.field(part.trimmed());
        const QString name = field ? field->name : part.trimmed();
        const bool text = field && field->kind == FieldKind::String;
        if (index.caseInsensitive && text && engine == Engine::Sqlite)
            columns << quoted(name) + QStringLiteral(" COLLATE NOCASE");
        else if (index.caseInsensitive && text)
            columns << QStringLiteral("lower(") + quoted(name) + QLatin1Char(')');
        else
            columns << quoted(name);
    }
    return columns.join(QStringLiteral(", "));
}

} // namespace

Engine engineOf(const QSqlDatabase& db)
{
    return db.driverName() == QLatin1String("QPSQL") ? Engine::Postgres : Engine::Sqlite;
}

QString tableName(const QString& name)
{
    QString bare = name.trimmed();
    if (bare.endsWith(QLatin1String(".db"), Qt::CaseInsensitive))
        bare.chop(3);
    return bare.toLower();
}

QString quoted(const QString& identifier)
{
    QString inner = identifier;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QStringList createTableStatements(Engine engine, const TableDef& table)
{
    const QString name = tableName(table.name);
    QString primary;
    for (const IndexDef& index : table.indexes) {
        if (index.primary)
            primary = index.fields.section(QLatin1Char(';'), 0, 0).trimmed();
    }
    QStringList columns;
    if (engine == Engine::Postgres && primary.isEmpty()) {
        // PostgreSQL keeps no order of insertion of its own: RecNo numbers the records as they come.
        columns << quoted(insertionOrderColumn()) + QStringLiteral(" SERIAL NOT NULL PRIMARY KEY");
    }
    for (const FieldDef& field : table.fields) {
        QString column = quoted(field.name) + QLatin1Char(' ') + columnType(engine, field);
        if (field.name.compare(primary, Qt::CaseInsensitive) == 0) {
            column += QStringLiteral(" PRIMARY KEY");
            // Without AUTOINCREMENT SQLite may reuse the number of a deleted last row.
            if (engine == Engine::Sqlite && field.kind == FieldKind::AutoIncrement)
                column.replace(QStringLiteral("INTEGER NOT NULL PRIMARY KEY"),
                    QStringLiteral("INTEGER NOT NULL PRIMARY KEY AUTOINCREMENT"));
        }
        columns << column;
    }
    QStringList statements;
    statements
        << QStringLiteral("CREATE TABLE %1 (%2)").arg(quoted(name), columns.join(QStringLiteral(", ")));
    for (const IndexDef& index : table.indexes) {
        if (index.primary)
            continue;
        // Index names are global to a database: the table's name keeps two tables' "Name_D_N" apart.
        const QString indexName = name + QLatin1Char('_') + index.name;
        statements << QStringLiteral("CREATE INDEX %1 ON %2 (%3)")
                          .arg(quoted(indexName), quoted(name), indexColumns(engine, table, index));
    }
    return statements;
}

QString insertionOrderColumn()
{
    return QStringLiteral("RecNo");
}

QString insertionOrder(Engine engine)
{
    // SQLite's rowid grows with every insert; a PostgreSQL catalogue table carries a serial "RecNo".
    return engine == Engine::Sqlite ? QStringLiteral(" ORDER BY rowid")
                                    : QStringLiteral(" ORDER BY ") + quoted(insertionOrderColumn());
}

bool tableExists(const QSqlDatabase& db, const QString& table)
{
    const QString name = tableName(table);
    const QStringList tables = db.tables(QSql::Tables);
    for (const QString& t : tables) {
        if (t.compare(name, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

namespace {

// The advisory lock of catalogue replacement ("ZFN" in ASCII).
constexpr int catalogueLockKey = 0x5A464E;

QString runForText(const QSqlDatabase& db, const QString& sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw CatalogueError(query.lastError().text());
    return query.next() ? query.value(0).toString() : QString();
}

} // namespace

CatalogueReadLock::CatalogueReadLock(const QSqlDatabase& db)
    : m_db(db)
{
    if (engineOf(db) != Engine::Postgres)
        return;
    runForText(db, QStringLiteral("SELECT pg_advisory_lock_shared(%1)").arg(catalogueLockKey));
    m_held = true;
}

CatalogueReadLock::~CatalogueReadLock()
{
    if (m_held)
        QSqlQuery(m_db).exec(QStringLiteral("SELECT pg_advisory_unlock_shared(%1)").arg(catalogueLockKey));
}

StagedTables::StagedTables(const QSqlDatabase& db)
    : m_db(db)
    , m_catalogueSchema(runForText(db, QStringLiteral("SELECT current_schema()")))
    , m_stagingSchema(QStringLiteral("zfn_import_") + QUuid::createUuid().toString(QUuid::Id128))
{
    if (m_catalogueSchema.isEmpty())
        throw CatalogueError(QStringLiteral("Нет схемы для таблиц каталога (search_path пуст)"));
    runForText(db, QStringLiteral("CREATE SCHEMA ") + quoted(m_stagingSchema));
    runForText(db, QStringLiteral("SET LOCAL search_path TO ") + quoted(m_stagingSchema));
}

void StagedTables::moveIntoCatalogue(const QStringList& tables)
{
    runForText(m_db, QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(catalogueLockKey));
    for (const QString& table : tables) {
        const QString name = quoted(tableName(table));
        runForText(m_db, QStringLiteral("DROP TABLE IF EXISTS %1.%2").arg(quoted(m_catalogueSchema), name));
        runForText(m_db,
            QStringLiteral("ALTER TABLE %1.%2 SET SCHEMA %3")
                .arg(quoted(m_stagingSchema), name, quoted(m_catalogueSchema)));
    }
    runForText(m_db, QStringLiteral("DROP SCHEMA %1").arg(quoted(m_stagingSchema)));
}

} // namespace store
