#include "printing/ReportDataSource.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace report {

namespace {
// Field names are compared without regard to case, as the catalogue tables spell them freely.
QVariant fieldOf(const QVariantMap& row, const QString& field)
{
    const auto exact = row.constFind(field);
    if (exact != row.constEnd())
        return exact.value();
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value();
    }
    return {};
}
} // namespace

QVariant RowsDataSource::value(int row, const QString& field) const
{
    if (!m_open || row < 0 || row >= m_rows.size())
        return {};
    return fieldOf(m_rows.at(row), field);
}

SqlTableSource::SqlTableSource(DatabaseProvider database, QString table, QString orderField)
    : m_database(std::move(database))
    , m_table(std::move(table))
    , m_orderField(std::move(orderField))
{
}

bool SqlTableSource::open()
{
    close();
    m_error.clear();
    QSqlDatabase db;
    try {
        if (m_database)
            db = m_database();
    } catch (const std::exception& error) {
        m_error = QString::fromUtf8(error.what());
        return false;
    }
    if (!db.isValid() || !db.isOpen()) {
        m_error = db.isValid() ? db.lastError().text()
                               : QStringLiteral("Нет соединения с базой данных таблицы ") + m_table;
        return false;
    }
    // Names are quoted by the driver; nothing the user typed reaches this statement.
    QSqlDriver* driver = db.driver();
    QString sql = QStringLiteral("SELECT * FROM ") + driver->escapeIdentifier(m_table, QSqlDriver::TableName);
    if (!m_orderField.isEmpty())
        sql += QStringLiteral(" ORDER BY ") + driver->escapeIdentifier(m_orderField, QSqlDriver::FieldName);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(sql)) {
        m_error = query.lastError().text();
        return false;
    }
    while (query.next()) {
        const QSqlRecord record = query.record();
        QVariantMap row;
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i), record.value(i));
        m_rows.append(row);
    }
    // The rows end early, without a word from next(), when the engine fails part way.
    if (query.lastError().isValid()) {
        m_error = query.lastError().text();
        m_rows.clear();
        return false;
    }
    m_open = true;
    return true;
}

void SqlTableSource::close()
{
    m_rows.clear();
    m_open = false;
}

QVariant SqlTableSource::value(int row, const QString& field) const
{
    if (!m_open || row < 0 || row >= m_rows.size())
        return {};
    return fieldOf(m_rows.at(row), field);
}

} // namespace report
