#pragma once

#include "calcreport/CalculationReport.h"
#include "pressurization/SupplyCalculation.h"

#include <QChar>

// The calculation part of the pressurization report: the blocks of the chosen scheme, each with its
// formula in symbols, with the numbers put in, and its result.
namespace pressurization {

// Begins the calculation part, writes every block of the scheme and closes the part.
void writeSupplyCalculation(calcreport::CalculationReport& report, const SupplyValues& values,
    const SupplyResult& result, QChar separator);

} // namespace pressurization
