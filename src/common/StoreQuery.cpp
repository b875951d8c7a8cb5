#include "common/StoreQuery.h"

#include "common/SqliteStatement.h"
#include "common/StoreError.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlRecord>
#include <cmath>

namespace store {

QString missingColumnMessage(const QString& table, const QString& column)
{
    return QStringLiteral("В таблице %1 нет столбца \"%2\"").arg(table, column);
}

StoreQuery::StoreQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    if (sqlite3* handle = sqliteHandle(db)) {
        m_sqlite = std::make_unique<SqliteStatement>(handle, sql);
        if (m_sqlite->parameterCount() != values.size())
            throw CatalogueError(QCoreApplication::translate("QSQLiteResult", "Parameter count mismatch"));
        for (qsizetype i = 0; i < values.size(); ++i)
            m_sqlite->bind(int(i), values[i]);
        // Run at once, as the Qt driver does: a statement the engine refuses fails here.
        m_pendingRow = m_sqlite->step();
        for (int i = 0; i < m_sqlite->columnCount(); ++i)
            m_columns.insert(m_sqlite->columnName(i).toLower(), i);
        return;
    }
    QSqlQuery& query = m_query.emplace(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw CatalogueError(query.lastError().text());
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw CatalogueError(query.lastError().text());
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i)
        m_columns.insert(record.fieldName(i).toLower(), i);
}

StoreQuery::~StoreQuery() = default;

bool StoreQuery::next()
{
    if (m_sqlite) {
        if (m_pendingRow) {
            m_pendingRow = false;
            m_onRow = true;
            return true;
        }
        m_onRow = m_onRow && m_sqlite->step();
        return m_onRow;
    }
    if (m_query->next())
        return true;
    if (m_query->lastError().isValid())
        throw CatalogueError(m_query->lastError().text());
    return false;
}

int StoreQuery::column(const QString& field) const
{
    // Field names compare without case, as the catalogue's do.
    return m_columns.value(field.toLower(), -1);
}

int StoreQuery::requiredColumn(const QString& field, const QString& table) const
{
    const int i = column(field);
    if (i < 0)
        throw CatalogueError(missingColumnMessage(table, field));
    return i;
}

int StoreQuery::existing(const QString& field) const
{
    const int i = column(field);
    if (i < 0)
        throw CatalogueError(QStringLiteral("Поле \"%1\" не найдено").arg(field));
    return i;
}

QVariant StoreQuery::value(int column) const
{
    if (column < 0)
        return QVariant();
    if (m_sqlite)
        return m_onRow ? m_sqlite->value(column) : QVariant();
    return m_query->value(column);
}

bool StoreQuery::isNull(int column) const
{
    if (column < 0)
        return true;
    if (m_sqlite)
        return !m_onRow || m_sqlite->isNull(column);
    return m_query->isNull(column);
}

QString StoreQuery::text(int column) const
{
    if (m_sqlite)
        return column < 0 || !m_onRow ? QString() : m_sqlite->text(column);
    const QVariant v = value(column);
    return v.isNull() ? QString() : v.toString();
}

std::optional<double> StoreQuery::optionalNumber(int column) const
{
    if (m_sqlite)
        return column < 0 || !m_onRow ? std::nullopt : m_sqlite->optionalNumber(column);
    const QVariant v = value(column);
    if (v.isNull())
        return std::nullopt;
    const int type = v.typeId();
    double number = 0;
    if (type == QMetaType::Double || type == QMetaType::Int || type == QMetaType::LongLong
        || type == QMetaType::Bool) {
        number = v.toDouble();
    } else {
        bool ok = false;
        number = v.toString().trimmed().toDouble(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (!std::isfinite(number))
        return std::nullopt;
    return number;
}

double StoreQuery::number(int column) const
{
    return optionalNumber(column).value_or(0);
}

int StoreQuery::integer(int column) const
{
    const double v = number(column);
    if (!(std::fabs(v) < 2147483647.0))
        return 0;
    return int(std::lround(v));
}

bool StoreQuery::boolean(int column) const
{
    if (m_sqlite)
        return column >= 0 && m_onRow && m_sqlite->boolean(column);
    const QVariant v = value(column);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::Bool)
        return v.toBool();
    const QString t = v.toString().trimmed();
    return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == QLatin1String("t")
        || number(column) != 0;
}

} // namespace store
