#include "pressurization/SupplyWizard.h"

#include "pressurization/SupplyReport.h"

using namespace Qt::StringLiterals;

namespace pressurization {

QString supplyReportTitle()
{
    return u"РАСЧЕТ СИСТЕМЫ ПРОТИВОДЫМНОЙ ЗАЩИТЫ"_s;
}

QString SupplyWizardPages::reportTitle()
{
    return supplyReportTitle();
}

void SupplyWizardPages::writeCalculation(calcreport::CalculationReport& report, const SupplyValues& values,
    const SupplyResult& result, QChar separator)
{
    writeSupplyCalculation(report, values, result, separator);
}

SupplyRun runSupplyProject(const SupplyProject& project, QChar separator)
{
    return calcreport::runToCalculation<SupplyWizardPages>(project, separator);
}

} // namespace pressurization
