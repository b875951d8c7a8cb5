#pragma once

#include "fans/SelectionRun.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace fans {

// The fan chosen in the fans-found window, handed to its data sheet.
struct SelectedFan {
    QString designation; // finds the fan's record in RAZMDIAP
    double flow = 0; // operating flow, m³/h
    double pressure = 0; // operating pressure, Pa
    double requiredFlow = 0;
    double requiredPressure = 0;
    bool roofRun = false; // pressures are static
    QStringList row; // the fan's 19 cells of the fans-found grid
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

// The fan of a row of the fans-found grid (its 19 cells) in the run that listed it.
SelectedFan selectedFanOf(const QStringList& row, const SelectionRun& run);
// What the chosen fan's data sheet shows of it.
FanSheetValues fanSheetValuesOf(const SelectedFan& fan);

} // namespace fans
