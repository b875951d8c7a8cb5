#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>
#include <functional>

namespace report {

// The rows a report prints its detail band for: named values per row, in the order they are printed.
// A source that is not open, or has no rows, makes the report print one detail band with empty fields.
class ReportDataSource {
public:
    virtual ~ReportDataSource() = default;
    virtual bool isOpen() const = 0;
    virtual int rowCount() const = 0;
    // The value of `field` in `row`; an invalid QVariant for a field the source does not have.
    virtual QVariant value(int row, const QString& field) const = 0;
};

// Rows held in memory, for reports filled by code rather than by a table.
class RowsDataSource : public ReportDataSource {
public:
    explicit RowsDataSource(QList<QVariantMap> rows = {})
        : m_rows(std::move(rows))
    {
    }
    void setRows(QList<QVariantMap> rows) { m_rows = std::move(rows); }
    void setOpen(bool open) { m_open = open; }

    bool isOpen() const override { return m_open; }
    int rowCount() const override { return m_open ? static_cast<int>(m_rows.size()) : 0; }
    QVariant value(int row, const QString& field) const override;

private:
    QList<QVariantMap> m_rows;
    bool m_open = true;
};

// A table of a working or catalogue database, read in the order of its key (the table's index order).
// open() reads the rows once, so a report sees one consistent state of the table while it prints.
class SqlTableSource : public ReportDataSource {
public:
    // Gives the database holding the table; it may throw (e.g. a catalogue error) when it cannot.
    using DatabaseProvider = std::function<QSqlDatabase()>;

    SqlTableSource(DatabaseProvider database, QString table, QString orderField);

    // Returns false with errorText() set when the table cannot be read (no connection, no such table).
    bool open();
    void close();
    const QString& errorText() const { return m_error; }
    const QString& table() const { return m_table; }
    void setDatabaseProvider(DatabaseProvider database) { m_database = std::move(database); }

    bool isOpen() const override { return m_open; }
    int rowCount() const override { return static_cast<int>(m_rows.size()); }
    QVariant value(int row, const QString& field) const override;

private:
    DatabaseProvider m_database;
    QString m_table;
    QString m_orderField;
    QString m_error;
    QList<QVariantMap> m_rows;
    bool m_open = false;
};

} // namespace report
