#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace fans {

// The figures of a smoke-exhaust fan as its data sheet and printed sheet show them, taken from a row of
// the smoke-exhaust fans-found grid (its 14 cells) and the run that listed it.
struct SmokeSheetValues {
    static constexpr int rowCount = 11;

    QString caption; // "Характеристики выбранного вентилятора дымоудаления:  " + designation
    std::vector<std::pair<QString, QString>> rows; // label, value: 11 rows, the last two empty
    QString gasTemperatureText; // the typed temperature, trimmed
    QString requiredFlowText; // duty point of the run, whole numbers
    QString requiredPressureText;
    QString chartPressureTitle; // left axis of the printed chart
    QString printedFireLabel; // the fire-resistance caption as printed
    QString printedPriceCaption; // cleared again whenever the printed form is activated
};

// The smoke-exhaust run as the sheet needs it: duty point, roof or radial group, fire class (0 for
// 400 °C, 1 for 600 °C) and the typed gas temperature.
struct SmokeRunFacts {
    double requiredFlow = 0;
    double requiredPressure = 0;
    bool roofRun = false;
    int fireClass = 0;
    QString gasTemperatureText;
};

// The chosen fan itself is fans::selectedFanOf() of the same row: designation, flow and pressure stand in
// columns 1 to 3 of both grids.
SmokeSheetValues smokeSheetValuesOf(const QStringList& row, const SmokeRunFacts& run);

} // namespace fans
