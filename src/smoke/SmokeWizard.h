#pragma once

#include "calcreport/CalculationReport.h"
#include "calcreport/WizardSteps.h"
#include "smoke/SmokeCalculation.h"
#include "smoke/SmokeDuty.h"
#include "smoke/SmokePages.h"

#include <QChar>
#include <optional>

// The five-page input of the smoke-exhaust calculation: the current page, the values the page steps
// accepted, the report and the last result. "Далее" runs the readers of the pages up to the current
// one and moves on; on the last page it runs the calculation. The window and zfn-cli step through it
// alike.
namespace smoke {

using SmokeStep = calcreport::WizardStep<SmokeField>;

class SmokeWizard {
public:
    int page() const { return m_page; }
    // "<< Назад": one page back, never before page 1.
    void back();
    // A loaded project starts again from page 1; the report and the result stay as they are.
    void restart() { m_page = 1; }

    SmokeStep next(const SmokeProject& project, QChar decimalSeparator);

    const calcreport::CalculationReport& report() const { return m_report; }
    const SmokeValues& values() const { return m_values; }
    // The result of the last calculation, while no later step has run.
    const std::optional<SmokeResult>& result() const { return m_result; }
    std::optional<SmokeDuty> duty() const;

private:
    int m_page = 1;
    SmokeValues m_values;
    calcreport::CalculationReport m_report;
    std::optional<SmokeResult> m_result;
};

// The duty of a result.
SmokeDuty smokeDutyOf(const SmokeResult& result, FanType fanType);

// Steps through every page as the window's "Далее" would, up to the calculation or the first step
// that fails.
using SmokeRun = calcreport::WizardRun<SmokeWizard>;
SmokeRun runSmokeProject(const SmokeProject& project, QChar decimalSeparator);

} // namespace smoke
