#include "smoke/SmokeWizard.h"

#include "smoke/SmokeReport.h"

namespace smoke {

QString SmokeWizardPages::reportTitle()
{
    return smokeReportTitle();
}

void SmokeWizardPages::writeCalculation(calcreport::CalculationReport& report, const SmokeValues& values,
    const SmokeResult& result, QChar separator)
{
    writeSmokeCalculation(report, values, result, separator);
}

std::optional<SmokeDuty> smokeDuty(const SmokeWizard& wizard)
{
    if (!wizard.result())
        return std::nullopt;
    return smokeDutyOf(*wizard.result(), wizard.values().fanType);
}

SmokeDuty smokeDutyOf(const SmokeResult& r, FanType fanType)
{
    return {r.fanFlow, r.fanPressure, fanType == FanType::Roof, r.fanTemperature > 400};
}

SmokeRun runSmokeProject(const SmokeProject& project, QChar separator)
{
    return calcreport::runToCalculation<SmokeWizardPages>(project, separator);
}

} // namespace smoke
