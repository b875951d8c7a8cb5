#pragma once

#include "calcreport/CalculationReport.h"
#include "calcreport/WizardSteps.h"
#include "pressurization/SupplyCalculation.h"
#include "pressurization/SupplyPages.h"

#include <QChar>
#include <optional>

// The paged input of the pressurization calculation: the current page, the values the page steps
// accepted, the report's input part and the last result. "Далее" runs the readers of the pages up to
// the current one and moves on; on the scheme's last page it runs the calculation. The window and
// zfn-cli step through it alike.
namespace pressurization {

using SupplyStep = calcreport::WizardStep<SupplyField>;

class SupplyWizard {
public:
    int page() const { return m_page; }
    // "<< Назад": one page back, never before page 1; the result is dropped.
    void back();
    // A loaded project starts again from page 1.
    void restart() { m_page = 1; }

    SupplyStep next(const SupplyProject& project, QChar decimalSeparator);

    const calcreport::CalculationReport& report() const { return m_report; }
    const SupplyValues& values() const { return m_values; }
    // The result of the last calculation, while no later step has run.
    const std::optional<SupplyResult>& result() const { return m_result; }

private:
    int m_page = 1;
    SupplyValues m_values;
    calcreport::CalculationReport m_report;
    std::optional<SupplyResult> m_result;
};

QString supplyReportTitle(); // "РАСЧЕТ СИСТЕМЫ ПРОТИВОДЫМНОЙ ЗАЩИТЫ"

// Steps through every page as the window's "Далее" would, up to the calculation or the first step
// that fails.
using SupplyRun = calcreport::WizardRun<SupplyWizard>;
SupplyRun runSupplyProject(const SupplyProject& project, QChar decimalSeparator);

} // namespace pressurization
