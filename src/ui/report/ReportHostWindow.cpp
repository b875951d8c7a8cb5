#include "ui/report/ReportHostWindow.h"

#include "printing/ReportEngine.h"
#include "ui/Messages.h"
#include "ui/report/PrintedForm.h"
#include "ui/report/ReportPageWidget.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

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

QWidget* ReportHostWindow::createReportView()
{
    m_view = new ReportPageWidget;
    m_view->setPixelsPerMm(2.8);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScrollReport"));
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll->setWidgetResizable(true);
    scroll->setWidget(m_view);
    return scroll;
}

void ReportHostWindow::layOutWithButtons()
{
    const auto button = [this](const QString& text, const QString& name, auto action) {
        auto* b = new QPushButton(text);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, action);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(button(QStringLiteral("Предварительный просмотр"), QStringLiteral("bPreview"),
        [this] { previewForm(*this); }));
    buttons->addWidget(
        button(QStringLiteral("Печать"), QStringLiteral("bPrint"), [this] { printForm(*this); }));
    buttons->addWidget(button(QStringLiteral("&Закрыть"), QStringLiteral("bClose"), [this] { close(); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createReportView(), 1);
    layout->addLayout(buttons);
}

void ReportHostWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_view != nullptr) {
        m_viewPages = prepareReport(m_report);
        m_view->setReport(&m_viewPages);
    }
}

void ReportHostWindow::closeTable()
{
    if (m_table)
        m_table->close();
}

} // namespace report
