#pragma once

#include "unit/UnitCalculation.h"
#include "unit/UnitProjectFile.h"

#include <QString>
#include <QStringList>

// What the unit window hands on to the unit's fan selection, its result window, arrangement scheme and
// printout: texts as the window shows them, carried unchanged to the printed unit.
namespace unit {

// 0 without heater (or a unit sized by air speed alone), 1 water heater, 2 electric heater.
enum class HandoverHeater { None = 0, Water = 1, Electric = 2 };

// The texts of the unit window's input boxes.
struct UnitInputTexts {
    QString flow; // Input_Gv
    QString freePressure; // Input_Psvob
    QString heaterAirIn; // Input_tv1
    QString heaterAirOut; // Input_tv2
    QString coolerAirIn; // Input_tv1_oxl
    QString coolerAirOut; // Input_tv2_oxl
    QString maxSpeed; // Input_Vmax
    QString waterIn; // Input_tj1
    QString waterOut; // Input_tj2
    QString projectName; // Input_ProjectName
};

// The input texts of a unit window of the given kind holding `typed`; a unit with a cooler only carries the
// cooler's air.
UnitInputTexts unitInputTexts(const UnitProject& typed, UnitKind kind);

// Rows of a heater column.
inline constexpr int heaterCellCount = 11;

struct UnitHandover {
    HandoverHeater heater = HandoverHeater::None;
    QString flow; // "3500 м3/час"
    QString freePressure; // "100 Па"
    QString heaterAirIn; // as typed, °C
    QString heaterAirOut;
    QString coolerAirIn;
    QString coolerAirOut;
    QString maxSpeed; // "4 м/сек"
    QString waterIn; // "80 °C"
    QString waterOut;
    QStringList heaterCells; // the chosen heater column as the heater grid shows it, rows 0 … 10; empty cells
                             // without heater
    QString projectName;
    QString coolerDuty; // cooler grid row 2: "41.48 кВт"
    QString coolerWaterFlow; // row 6
    QString coolerWaterLoss; // row 7
    QString fanDuctSize; // the chosen fan's duct size, "600*300"; set when the fan is chosen
};

// The cells of one heater column (rows 0 … 10), numbers with the given decimal mark; rows of water values
// stay empty for a value of 0 (an electric heater).
QStringList heaterVariantCells(
    const THeaterVariant& heater, double flow, const QString& sectionText, QChar decimalSeparator);
// The value cells of the cooler grid (rows 0 … 7).
QStringList coolerCells(const CoolerResult& cooler, QChar decimalSeparator);

// The hand-over of a unit calculated from `inputs`.
UnitHandover unitHandover(
    const UnitInputTexts& texts, const UnitRun& run, const UnitInputs& inputs, QChar decimalSeparator);

// The duty the unit's fan selection opens with: the unit's flow and total pressure as whole numbers (halves
// to even) and its duct section as the only admitted size.
struct UnitFanDuty {
    double flow = 0; // m³/h
    double pressure = 0; // Pa
    QString section; // "600*300"
};
UnitFanDuty unitFanDuty(const UnitRun& run, double flow);
// Why the duty cannot go on to a fan selection (a flow or pressure of zero or less, or not a finite
// number); empty when it can.
QString unitFanDutyProblem(const UnitFanDuty& duty);

} // namespace unit
