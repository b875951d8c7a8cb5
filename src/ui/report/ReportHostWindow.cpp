#include "ui/report/ReportHostWindow.h"

#include "ui/Messages.h"

namespace report {

ReportHostWindow::ReportHostWindow(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
}

ReportHostWindow::~ReportHostWindow()
{
    m_report.setDataSource(nullptr);
}

void ReportHostWindow::bindTable(
    SqlTableSource::DatabaseProvider database, const QString& table, const QString& orderField)
{
    m_table = std::make_unique<SqlTableSource>(std::move(database), table, orderField);
    m_report.setDataSource(m_table.get());
}

bool ReportHostWindow::openTable()
{
    if (!m_table)
        return true;
    if (m_table->open())
        return true;
    ui::showMessage(m_table->errorText(), ui::MessageKind::Error);
    return false;
}

void ReportHostWindow::closeTable()
{
    if (m_table)
        m_table->close();
}

} // namespace report
