#pragma once

#include "calcreport/CalculationReport.h"
#include "calcreport/PagedCalculation.h"
#include "smoke/SmokeInputs.h"
#include "smoke/SmokeProject.h"

#include <QChar>
#include <QStringList>

// The readers of the five input pages: each reads its page's boxes in order, checks them, keeps the
// accepted values and writes one report line per accepted value. A reader stops at the first value
// that fails.
namespace smoke {

using PageReading = calcreport::PageReading<SmokeField>;

inline constexpr int smokePageCount = 5;

// Reads page 1..5 of the project into `values` and appends its report lines to `lines`.
PageReading readSmokePage(int page, const SmokeProject& project, SmokeValues& values,
    calcreport::InputLines& lines, QChar separator);

// The proposal of the button "Расчитать": Pf = 0.38 · √A with A read as page 1 reads it, written with
// five significant digits. Gives the messages of an unreadable area instead.
struct FirePerimeterProposal {
    QString text;
    PageReading reading;
};
FirePerimeterProposal proposeFirePerimeter(const SmokeProject& project, QChar separator);

// Item texts of the choices the report names.
QStringList combustibleNames(); // "Жидкости и газы", "Твердые тела", "Волокнистые вещества", "Бумага"
QStringList fanTypeNames(); // "Крышный", "Другой"

// Smoke temperature (°C) and specific weight (N/m³) of the case.
struct SmokeGas {
    double temperature;
    double weight;
};
SmokeGas smokeGas(const SmokeCase& c, Combustible combustible);
// Coefficient of the valve and its joint to the shaft.
double valveCoefficient(int shaftEntry, int grille);

} // namespace smoke
