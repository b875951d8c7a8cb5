#pragma once

#include "calcreport/CalculationReport.h"

#include <QChar>
#include <QStringList>
#include <optional>

// A calculation whose inputs are read page by page (smoke exhaust, pressurization): the current page, the
// values the page steps accepted, the report and the last result. "Далее" runs the readers of the pages up
// to the current one and moves on; on the last page it runs the calculation. The window and zfn-cli step
// through it alike.
namespace calcreport {

// What the reader of one page gives.
template <class Field> struct PageReading {
    bool ok = true;
    QStringList messages; // shown one after another
    Field focus = Field::None;
};

// One "Далее".
template <class Field> struct WizardStep {
    bool ok = false;
    int page = 1; // the page the step ran on
    bool calculated = false; // the step was the calculation and it gave a result
    QStringList messages; // shown one after another
    Field focus = Field::None;
};

// What "<< Назад" does to the result of the last calculation.
enum class BackStep { KeepsResult, DropsResult };

// `Pages` describes one calculation:
//   using Project, Values, Result, Field;
//   static QString reportTitle();
//   static int lastPage(const Values&); // the page whose step runs the calculation
//   static PageReading<Field> readPage(int page, const Project&, Values&, InputLines&, QChar separator);
//   static Calculation calculate(const Values&); // .result, .refusedResult, .messages
//   static void writeCalculation(CalculationReport&, const Values&, const Result&, QChar separator);
//   static constexpr BackStep back;
template <class Pages> class PagedCalculation {
public:
    using Project = typename Pages::Project;
    using Values = typename Pages::Values;
    using Result = typename Pages::Result;
    using Field = typename Pages::Field;
    using Step = WizardStep<Field>;

    int page() const { return m_page; }
    int lastPage() const { return Pages::lastPage(m_values); }
    // "<< Назад": one page back, never before page 1.
    void back()
    {
        if (m_page > 1)
            --m_page;
        if constexpr (Pages::back == BackStep::DropsResult)
            m_result.reset();
    }
    // A loaded project starts again from page 1; the report and the result stay as they are.
    void restart() { m_page = 1; }

    Step next(const Project& project, QChar separator);

    const CalculationReport& report() const { return m_report; }
    const Values& values() const { return m_values; }
    // The result of the last calculation, while no later step has run.
    const std::optional<Result>& result() const { return m_result; }

private:
    int m_page = 1;
    Values m_values;
    CalculationReport m_report;
    std::optional<Result> m_result;
};

template <class Pages>
typename PagedCalculation<Pages>::Step PagedCalculation<Pages>::next(const Project& project, QChar separator)
{
    m_report.clearInputPart(Pages::reportTitle());
    m_result.reset();
    Step step;
    step.page = m_page;
    InputLines lines;
    PageReading<Field> current;
    for (int page = 1; page <= m_page; ++page) {
        // Every page is read again and shows what it finds (an unreadable room area at every step);
        // the current page decides.
        PageReading<Field> reading = Pages::readPage(page, project, m_values, lines, separator);
        step.messages << reading.messages;
        if (page == m_page)
            current = std::move(reading);
    }
    m_report.writeInputLines(lines);
    step.focus = current.focus;
    if (!current.ok) {
        m_report.refreshReport();
        return step;
    }
    if (m_page < lastPage()) {
        ++m_page;
        step.ok = true;
        m_report.refreshReport();
        return step;
    }
    const auto calculation = Pages::calculate(m_values);
    step.messages << calculation.messages;
    if (calculation.result) {
        Pages::writeCalculation(m_report, m_values, *calculation.result, separator);
        m_result = calculation.result;
        step.ok = true;
        step.calculated = true;
    } else if (calculation.refusedResult) {
        // The report shows how the refused duty came about; nothing is handed on.
        Pages::writeCalculation(m_report, m_values, *calculation.refusedResult, separator);
    }
    m_report.refreshReport();
    return step;
}

// Every step of a project as the window's "Далее" would take them, up to the calculation or the first
// step that fails.
template <class Pages> struct PagedRun {
    PagedCalculation<Pages> wizard;
    QStringList messages; // every message shown on the way
    std::optional<int> stoppedAtPage;
};

template <class Pages>
PagedRun<Pages> runToCalculation(const typename Pages::Project& project, QChar decimalSeparator)
{
    PagedRun<Pages> run;
    while (true) {
        const auto step = run.wizard.next(project, decimalSeparator);
        run.messages << step.messages;
        if (!step.ok) {
            run.stoppedAtPage = step.page;
            return run;
        }
        if (step.calculated)
            return run;
    }
}

} // namespace calcreport
