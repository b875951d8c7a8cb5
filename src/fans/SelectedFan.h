#pragma once

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
};
SelectedFan& selectedFan();

// The figures of the chosen fan as its data sheet and printed sheet show them.
struct FanSheetValues {
    QString caption; // group caption of the sheet
    std::vector<std::pair<QString, QString>> rows; // label, value: 14 rows
    QString requiredFlowText; // duty point of the run, whole numbers
    QString requiredPressureText;
    QString pressureLabel; // "Статическое давление - Pв, Па" for roof runs, else total
    QString chartPressureTitle;
};
FanSheetValues& fanSheetValues();

// Builds both from a row of the fans-found grid (its 19 cells) and the run's duty point.
SelectedFan selectedFanOf(const QStringList& row, double requiredFlow, double requiredPressure);
FanSheetValues fanSheetValuesOf(
    const QStringList& row, double requiredFlow, double requiredPressure, bool roofRun);

} // namespace fans
