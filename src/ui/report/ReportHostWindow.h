#pragma once

#include "printing/ReportDataSource.h"
#include "ui/report/Report.h"

#include <QWidget>
#include <memory>

namespace report {

// A window that holds one printed form: its report layout, the controls (labels, pictures, chart) a task
// fills before printing and, for a form bound to a table, that table. Each host is created once and lives
// until the program ends; it is hidden except while its report is being printed.
class ReportPageWidget;

class ReportHostWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReportHostWindow(QWidget* parent = nullptr);
    ~ReportHostWindow() override;

    Report& report() { return m_report; }
    const Report& report() const { return m_report; }

    // Binds the report to a table read in the order of `orderField`. `database` gives the table's
    // database when the table is opened.
    void bindTable(
        SqlTableSource::DatabaseProvider database, const QString& table, const QString& orderField);
    SqlTableSource* table() const { return m_table.get(); }

    // Opens the bound table (nothing to do without one). A table that cannot be opened is reported to the
    // user with the store's message, and false is returned.
    bool openTable();
    void closeTable();

protected:
    // A scrolling view of the report's first page, refreshed whenever the host is shown; hosts put it
    // in their own layout.
    QWidget* createReportView();
    // Lays the host out: that view above the host's own buttons "Предварительный просмотр" (bPreview),
    // "Печать" (bPrint) and "Закрыть" (bClose).
    void layOutWithButtons();
    void showEvent(QShowEvent* event) override;

private:
    Report m_report;
    ReportPageWidget* m_view = nullptr;
    PreparedReport m_viewPages;
    std::unique_ptr<SqlTableSource> m_table;
};

} // namespace report
