#include "common/StoreQuery.h"

#include "common/SqliteStatement.h"
#include "common/StoreDialect.h"
#include "common/StoreError.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlRecord>
#include <cmath>

namespace store {

QString missingColumnMessage(const QString& table, const QString& column)
{
    return QStringLiteral("В таблице %1 нет столбца \"%2\"").arg(table, column);
}

namespace {

// The table a statement reads, for messages: the name after its first FROM.
QString tableOf(const QString& sql)
{
    static const QRegularExpression from(
        QStringLiteral(R"(\bFROM\s+("(?:[^"]|"")*"|[^\s,;()]+))"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = from.match(sql);
    if (!match.hasMatch())
        return {};
    QString name = match.captured(1);
    if (name.startsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return name;
}

} // namespace

StoreQuery::StoreQuery(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
    : m_table(tableOf(sql))
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
            m_names << m_sqlite->columnName(i);
        for (int i = 0; i < m_names.size(); ++i)
            m_columns.insert(m_names[i].toLower(), i);
        return;
    }
    m_readLock = std::make_unique<CatalogueReadLock>(db);
    QSqlQuery& query = m_query.emplace(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw CatalogueError(query.lastError().text());
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    if (!query.exec())
        throw CatalogueError(query.lastError().text());
    const QSqlRecord record = query.record();
    for (int i = 0; i < record.count(); ++i) {
        m_names << record.fieldName(i);
        m_columns.insert(m_names.last().toLower(), i);
    }
}

StoreQuery::~StoreQuery() = default;

bool StoreQuery::next()
{
    if (m_sqlite) {
        if (m_pendingRow) {
            m_pendingRow = false;
            m_onRow = true;
        } else {
            m_onRow = m_onRow && m_sqlite->step();
        }
        m_record += m_onRow ? 1 : 0;
        return m_onRow;
    }
    if (m_query->next()) {
        ++m_record;
        return true;
    }
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

NumberCell StoreQuery::numberCell(int column) const
{
    if (column < 0)
        return {};
    if (m_sqlite)
        return m_onRow ? m_sqlite->numberCell(column) : NumberCell();
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool:
        return NumberCell::of(v.toDouble());
    default:
        return NumberCell::ofText(v.toString());
    }
}

BooleanCell StoreQuery::booleanCell(int column) const
{
    if (column < 0)
        return {};
    if (m_sqlite)
        return m_onRow ? m_sqlite->booleanCell(column) : BooleanCell();
    const QVariant v = value(column);
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Bool)
        return BooleanCell::of(v.toBool());
    if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray)
        return BooleanCell::ofText(v.toString());
    return BooleanCell::ofNumber(numberCell(column));
}

void StoreQuery::badCell(int column, const QString& held, const QString& expected) const
{
    throw BadCellError(m_table, m_record,
        QStringLiteral("столбец \"%1\": значение \"%2\" не является %3")
            .arg(m_names.value(column), held, expected));
}

std::optional<double> StoreQuery::optionalNumber(int column) const
{
    const NumberCell cell = numberCell(column);
    switch (cell.kind) {
    case NumberCell::Kind::Empty:
        return std::nullopt;
    case NumberCell::Kind::Number:
        return cell.value;
    case NumberCell::Kind::NotFinite:
        badCell(column, cell.text, QStringLiteral("конечным числом"));
    case NumberCell::Kind::NotNumber:
        break;
    }
    badCell(column, cell.text, QStringLiteral("числом"));
}

double StoreQuery::number(int column) const
{
    return optionalNumber(column).value_or(0);
}

int StoreQuery::integer(int column) const
{
    const double v = number(column);
    if (!(std::fabs(v) < 2147483647.0))
        badCell(column, QString::number(v), QStringLiteral("целым числом"));
    return int(std::lround(v));
}

bool StoreQuery::boolean(int column) const
{
    const BooleanCell cell = booleanCell(column);
    if (cell.kind == BooleanCell::Kind::NotBoolean)
        badCell(column, cell.text, QStringLiteral("логическим значением (да/нет)"));
    return cell.value;
}

} // namespace store
