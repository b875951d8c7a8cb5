#pragma once

#include "heating/HeatingUnitCalc.h"

#include <QChar>
#include <QString>
#include <array>

// The results of a run as the table of texts that the results grid shows and the printed form copies:
// row 0 holds the model names, column 0 the row titles, column j = 1..6 the values of model j.
namespace heating {

inline constexpr int heatingTableRows = 25; // the last row is left empty
inline constexpr int heatingTableColumns = 1 + heatingUnitModelCount;

using HeatingUnitTable = std::array<std::array<QString, heatingTableColumns>, heatingTableRows>;

// Text shown for a jet boundary that is not defined (horizontal jet).
inline constexpr QStringView notComputedText = u"-";

HeatingUnitTable heatingUnitTable(
    const HeatingUnitInputs& inputs, const HeatingUnitRun& run, QChar decimalSeparator);

} // namespace heating
