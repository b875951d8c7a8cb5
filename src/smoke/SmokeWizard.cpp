#include "smoke/SmokeWizard.h"

#include "smoke/SmokeReport.h"

namespace smoke {

void SmokeWizard::back()
{
    if (m_page > 1)
        --m_page;
}

SmokeStep SmokeWizard::next(const SmokeProject& project, QChar separator)
{
    m_report.clearInputPart(smokeReportTitle());
    m_result.reset();
    SmokeStep step;
    step.page = m_page;
    calcreport::InputLines lines;
    PageReading current;
    for (int page = 1; page <= m_page; ++page) {
        // Earlier pages only write their lines again; the current page decides.
        const PageReading reading = readSmokePage(page, project, m_values, lines, separator);
        step.messages << reading.messages;
        if (page == m_page)
            current = reading;
    }
    m_report.writeInputLines(lines);
    step.focus = current.focus;
    if (!current.ok) {
        m_report.refreshReport();
        return step;
    }
    if (m_page < smokePageCount) {
        ++m_page;
        step.ok = true;
        m_report.refreshReport();
        return step;
    }
    const SmokeCalculation calculation = calculateSmoke(m_values);
    step.messages << calculation.messages;
    if (calculation.result) {
        writeSmokeCalculation(m_report, m_values, *calculation.result, separator);
        m_result = calculation.result;
        step.ok = true;
        step.calculated = true;
    } else if (calculation.refusedResult) {
        // The report shows how the refused duty came about; nothing is handed on.
        writeSmokeCalculation(m_report, m_values, *calculation.refusedResult, separator);
    }
    m_report.refreshReport();
    return step;
}

std::optional<SmokeDuty> SmokeWizard::duty() const
{
    if (!m_result)
        return std::nullopt;
    return smokeDutyOf(*m_result, m_values.fanType);
}

SmokeDuty smokeDutyOf(const SmokeResult& r, FanType fanType)
{
    return {r.fanFlow, r.fanPressure, fanType == FanType::Roof, r.fanTemperature > 400};
}

SmokeRun runSmokeProject(const SmokeProject& project, QChar separator)
{
    return calcreport::runToCalculation<SmokeWizard>(project, separator);
}

} // namespace smoke
