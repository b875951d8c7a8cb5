#pragma once

#include "heating/HeatingUnitModel.h"

#include <QString>
#include <array>
#include <optional>

// Sizing of ЛУМА air-heating units for a heated building: the heat demand, and for every model the heat
// output of one unit, the number of units, the hot-water flow and loss and the warm-jet geometry.
namespace heating {

// Items of the jet-angle choice and the angles they stand for, degrees.
inline constexpr std::array<int, 5> jetAngles = {0, -30, -45, -60, -90};
inline constexpr int horizontalJetItem = 4; // "-90": the jet leaves horizontally (0 is straight down)

enum class DemandMode { Compute = 0, Given = 1 };

// Building types: glazed (1), ordinary (2), well insulated (3); item indices 0..2.
inline constexpr int buildingTypeCount = 3;

struct HeatingUnitInputs {
    double tn = -20; // outdoor design temperature, °C
    double tv = 20; // room design temperature, °C
    double tw1 = 80; // water in, °C
    double tw2 = 40; // water out, °C
    int angleItem = 0; // index into jetAngles
    DemandMode mode = DemandMode::Compute;
    int buildingType = 0; // 0..2
    double volume = 1000; // outer volume of the building, m³ (Compute mode)
    double gains = 20; // internal heat gains, kW (Compute mode)
    double givenDemand = 100; // heat demand, kW (Given mode)
};

struct HeatingUnitResult {
    double waterFlow = 0; // W, kg/h, one unit
    double output = 0; // Q, kW, one unit
    double waterLoss = 0; // Δpw, kPa
    double outletTemp = 0; // tout, °C
    long long units = 0; // N, at least 1
    double hmin = 0; // smallest mounting height, m
    std::optional<double> xmax; // far jet boundary on the working zone, m (not for a horizontal jet)
    std::optional<double> xmin; // near jet boundary, m (not for a horizontal jet)
    double spread = 0; // r, m
    double area = 0; // F, m²
    int passes = 0; // passes of the heat-output iteration
};

struct HeatingUnitRun {
    double demand = 0; // Qн, kW, the same for every model
    std::array<HeatingUnitResult, heatingUnitModelCount> models;
};

// The input a refusal is about, so that the window can put the focus there.
enum class HeatingUnitField { None, Tn, Tv, Tw1, Tw2, Volume, Gains, Demand };

struct HeatingUnitOutcome {
    std::optional<HeatingUnitRun> run; // empty when refused
    QString message; // why the run was refused
    HeatingUnitField field = HeatingUnitField::None;
};

// Bound on the passes of the heat-output iteration; it normally settles in a few dozen.
inline constexpr int maxOutputPasses = 1000;

// Checks the inputs and computes every model. Inputs outside the range where the formulas hold, a heat
// demand of zero or less and a result that is not a finite number give a message and no results.
HeatingUnitOutcome calculateHeatingUnits(const HeatingUnitInputs& inputs);

// Heat demand of the building, kW: the transmission loss from the outer volume less the heat gains.
double buildingHeatDemand(double tn, double tv, double volume, double gains, int buildingType);

} // namespace heating
