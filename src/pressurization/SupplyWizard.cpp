#include "pressurization/SupplyWizard.h"

#include "pressurization/SupplyReport.h"

using namespace Qt::StringLiterals;

namespace pressurization {

QString supplyReportTitle()
{
    return u"РАСЧЕТ СИСТЕМЫ ПРОТИВОДЫМНОЙ ЗАЩИТЫ"_s;
}

void SupplyWizard::back()
{
    if (m_page > 1)
        --m_page;
    m_result.reset();
}

SupplyStep SupplyWizard::next(const SupplyProject& project, QChar separator)
{
    m_report.clearInputPart(supplyReportTitle());
    m_result.reset();
    SupplyStep step;
    step.page = m_page;
    calcreport::InputLines lines;
    SupplyPageReading current;
    for (int page = 1; page <= m_page; ++page) {
        // Earlier pages only write their lines again; the current page decides.
        const SupplyPageReading reading = readSupplyPage(page, project, m_values, lines, separator);
        if (page == m_page) {
            current = reading;
            step.messages << reading.messages;
        }
    }
    m_report.writeInputLines(lines);
    step.focus = current.focus;
    if (!current.ok) {
        m_report.refreshReport();
        return step;
    }
    if (m_page < supplyLastPage(m_values.scheme)) {
        ++m_page;
        step.ok = true;
        m_report.refreshReport();
        return step;
    }
    const SupplyCalculation calculation = calculateSupply(m_values);
    step.messages << calculation.messages;
    if (calculation.result) {
        writeSupplyCalculation(m_report, m_values, *calculation.result, separator);
        m_result = calculation.result;
        step.ok = true;
        step.calculated = true;
    } else if (calculation.refusedResult) {
        // The report shows how the refused duty came about; nothing is handed on.
        writeSupplyCalculation(m_report, m_values, *calculation.refusedResult, separator);
    }
    m_report.refreshReport();
    return step;
}

SupplyRun runSupplyProject(const SupplyProject& project, QChar separator)
{
    return calcreport::runToCalculation<SupplyWizard>(project, separator);
}

} // namespace pressurization
