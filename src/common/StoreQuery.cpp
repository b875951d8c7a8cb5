#include "common/StoreQuery.h"

#include "common/StoreError.h"

#include <QSqlError>
#include <QSqlRecord>
#include <cmath>

namespace store {

StoreQuery::StoreQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
    : m_query(db)
{
    m_query.setForwardOnly(true);
    if (!m_query.prepare(sql))
        throw CatalogueError(m_query.lastError().text());
    for (qsizetype i = 0; i < values.size(); ++i)
        m_query.bindValue(int(i), values[i]);
    if (!m_query.exec())
        throw CatalogueError(m_query.lastError().text());
    const QSqlRecord record = m_query.record();
    for (int i = 0; i < record.count(); ++i)
        m_columns.insert(record.fieldName(i).toLower(), i);
}

bool StoreQuery::next()
{
    if (m_query.next())
        return true;
    if (m_query.lastError().isValid())
        throw CatalogueError(m_query.lastError().text());
    return false;
}

int StoreQuery::index(const QString& field) const
{
    // Field names compare without case, as the catalogue's do.
    return m_columns.value(field.toLower(), -1);
}

bool StoreQuery::hasField(const QString& field) const
{
    return index(field) >= 0;
}

QVariant StoreQuery::value(const QString& field) const
{
    const int i = index(field);
    if (i < 0)
        throw CatalogueError(QStringLiteral("Поле \"%1\" не найдено").arg(field));
    return m_query.value(i);
}

bool StoreQuery::isNull(const QString& field) const
{
    return value(field).isNull();
}

QString StoreQuery::text(const QString& field) const
{
    const QVariant v = value(field);
    return v.isNull() ? QString() : v.toString();
}

std::optional<double> StoreQuery::optionalNumber(const QString& field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return std::nullopt;
    bool ok = false;
    const int type = v.typeId();
    if (type == QMetaType::Double || type == QMetaType::Int || type == QMetaType::LongLong
        || type == QMetaType::Bool) {
        const double number = v.toDouble();
        if (!std::isfinite(number))
            return std::nullopt;
        return number;
    }
    const double number = v.toString().trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

double StoreQuery::number(const QString& field) const
{
    return optionalNumber(field).value_or(0);
}

int StoreQuery::integer(const QString& field) const
{
    const double v = number(field);
    if (!(std::fabs(v) < 2147483647.0))
        return 0;
    return int(std::lround(v));
}

bool StoreQuery::boolean(const QString& field) const
{
    const QVariant v = value(field);
    if (v.isNull())
        return false;
    const QString t = v.toString().trimmed();
    return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || t == QLatin1String("t")
        || number(field) != 0;
}

} // namespace store
