#pragma once

#include "calcreport/CalculationReport.h"
#include "calcreport/PagedCalculation.h"
#include "pressurization/SupplyInputs.h"
#include "pressurization/SupplyProject.h"

#include <QChar>
#include <QStringList>

// The readers of the input pages of the pressurization calculation: each reads its page's boxes in
// order, checks them, keeps the accepted values and writes one report line per accepted value. A
// reader stops at the first value that fails.
namespace pressurization {

using SupplyPageReading = calcreport::PageReading<SupplyField>;

// Reads page 1..5 of the project into `values` and appends its report lines to `lines`. Page 2 also
// takes the scheme; pages 3 to 5 read the section tables of fans 1 to 3.
SupplyPageReading readSupplyPage(int page, const SupplyProject& project, SupplyValues& values,
    calcreport::InputLines& lines, QChar separator);

// The report text of a scheme, after "Подача воздуха".
QString supplySchemeText(SupplyScheme scheme);

} // namespace pressurization
