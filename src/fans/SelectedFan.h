#pragma once

#include "fans/FoundFansContent.h"
#include "fans/ListedFan.h"
#include "fans/SelectionRun.h"

#include <QString>
#include <utility>
#include <vector>

namespace fans {

// The fan chosen in the fans-found window, handed to its data sheet, graphs and printed sheet and to the
// unit: the fan itself as values, with the duty of the run that listed it.
struct SelectedFan {
    QString designation;
    double flow = 0; // operating flow, m³/h, a whole number as listed
    double pressure = 0; // operating pressure, Pa, a whole number as listed
    double requiredFlow = 0;
    double requiredPressure = 0;
    bool roofRun = false; // pressures are static
    ListedFan listed; // record, curve as the run used it, operating figures
    FanGroup group = FanGroup::Duct; // of a general run: how the duct size is written
};

// The figures of the chosen fan as its data sheet and printed sheet show them.
struct FanSheetValues {
    QString caption; // group caption of the sheet
    std::vector<std::pair<QString, QString>> rows; // label, value: 14 rows
    QString requiredFlowText; // duty point of the run, whole numbers
    QString requiredPressureText;
    QString pressureLabel; // "Статическое давление - Pв, Па" for roof runs, else total
    QString chartPressureTitle;
};

// Fan `index` (0-based, in list order) of the run the content shows.
SelectedFan selectedFanOf(const FoundFansContent& content, size_t index);
// The chosen fan's cells as the fans-found grid of a general run shows them, in the same 19 columns.
QStringList listedRow(const SelectedFan& fan, QChar decimalSeparator);
// What the chosen fan's data sheet shows of it.
FanSheetValues fanSheetValuesOf(const SelectedFan& fan, QChar decimalSeparator);

} // namespace fans
