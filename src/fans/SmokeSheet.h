#pragma once

#include "fans/SelectedFan.h"
#include "fans/SmokeSelectionRun.h"

#include <QString>
#include <utility>
#include <vector>

namespace fans {

// The figures of a smoke-exhaust fan as its data sheet and printed sheet show them.
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

// The figures of a smoke-exhaust fan chosen in the smoke-exhaust fans-found window, with the run that
// listed it; the texts are those of its row in that window.
SmokeSheetValues smokeSheetValuesOf(
    const SelectedFan& fan, const SmokeSelectionRun& run, QChar decimalSeparator);

} // namespace fans
