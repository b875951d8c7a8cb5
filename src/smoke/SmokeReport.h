#pragma once

#include "calcreport/CalculationReport.h"
#include "smoke/SmokeCalculation.h"

#include <QChar>

// The calculation part of the smoke-exhaust report: one block per calculated quantity with its formula
// in symbols, with the numbers put in, and its result.
namespace smoke {

// The title of the smoke-exhaust report.
QString smokeReportTitle(); // "РАСЧЕТ СИСТЕМЫ ДЫМОУДАЛЕНИЯ"

// Begins the calculation part, writes every block and closes the part.
void writeSmokeCalculation(calcreport::CalculationReport& report, const SmokeValues& values,
    const SmokeResult& result, QChar separator);

} // namespace smoke
