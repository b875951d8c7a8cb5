#pragma once

#include "calcreport/PagedCalculation.h"
#include "pressurization/SupplyCalculation.h"
#include "pressurization/SupplyPages.h"

#include <QChar>

// The input pages of the pressurization calculation as a paged calculation: the scheme read on page 2
// decides the last page. "<< Назад" drops the result: the results table is emptied.
namespace pressurization {

struct SupplyWizardPages {
    using Project = SupplyProject;
    using Values = SupplyValues;
    using Result = SupplyResult;
    using Field = SupplyField;
    static constexpr calcreport::BackStep back = calcreport::BackStep::DropsResult;

    static QString reportTitle();
    static int lastPage(const SupplyValues& values) { return supplyLastPage(values.scheme); }
    static SupplyPageReading readPage(int page, const SupplyProject& project, SupplyValues& values,
        calcreport::InputLines& lines, QChar separator)
    {
        return readSupplyPage(page, project, values, lines, separator);
    }
    static SupplyCalculation calculate(const SupplyValues& values) { return calculateSupply(values); }
    static void writeCalculation(calcreport::CalculationReport& report, const SupplyValues& values,
        const SupplyResult& result, QChar separator);
};

using SupplyWizard = calcreport::PagedCalculation<SupplyWizardPages>;
using SupplyStep = SupplyWizard::Step;

QString supplyReportTitle(); // "РАСЧЕТ СИСТЕМЫ ПРОТИВОДЫМНОЙ ЗАЩИТЫ"

// Steps through every page as the window's "Далее" would, up to the calculation or the first step
// that fails.
using SupplyRun = calcreport::PagedRun<SupplyWizardPages>;
SupplyRun runSupplyProject(const SupplyProject& project, QChar decimalSeparator);

} // namespace pressurization
