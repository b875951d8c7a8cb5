#pragma once

#include "smoke/SmokeInputs.h"

#include <QStringList>
#include <optional>
#include <vector>

// The smoke-exhaust calculation: the smoke flow of the corridor, hall or room, its way through the
// valve, the branch and the shaft sections, the air leaking in through the closed valves and the
// shaft walls, the hot-gas correction and the fan flow and pressure.
namespace smoke {

// Which formula gives the smoke flow: (1) residential, (2) corridor or hall, (3) room, (5) room with
// a large fire.
enum class SmokeFlowFormula { Residential = 1, Corridor = 2, Room = 3, LargeFire = 5 };

struct ShaftSectionFlow {
    double velocity; // vшi, m/s
    double diameter; // dшi, m
    double pressureLoss; // pшi, Pa
};

struct SmokeResult {
    SmokeFlowFormula formula = SmokeFlowFormula::Residential;
    std::optional<double> doorCoefficient; // n, formulas (1) and (2)
    std::optional<double> evacueeCoefficient; // Kd', formula (2)
    double smokeLayer = 0; // y, m, formula (3)
    // Formula (5)
    double roomVolume = 0; // m³
    double doorLevel = 0; // ho, m
    double openDoorArea = 0; // ΣA, m²
    double outdoorDensity = 1.2; // ρн, kg/m³ (1.2 unless formula (5))
    double smokeWeight = 0; // γ used by the formulas, N/m³ (raised for a large room)
    double smokeFlow = 0; // G, kg/h

    double valveVelocity = 0; // vk, m/s
    double valveResistance = 0; // ζk of the valve with its joint to the first section
    double valveLoss = 0; // pk, Pa
    double branchVelocity = 0; // vo, m/s
    double branchDiameter = 0; // do, m
    double branchLoss = 0; // po, Pa
    std::vector<ShaftSectionFlow> sections;
    double shaftLoss = 0; // Σpш, Pa
    double totalLoss = 0; // Σpi, Pa
    double firstSectionLoss = 0; // p1, Pa
    double valveLeak = 0; // Gk', kg/h
    double meanDiameter = 0; // dс, m
    bool roughShaft = false; // Kc of the last section 2.0 or more: coefficient 0.012
    double shaftLeakCoefficient = 0; // Kш
    double shaftLeak = 0; // Gш, kg/h
    double totalFlow = 0; // Gc, kg/h
    double fanDensity = 0; // ρв, kg/m³
    double fanTemperature = 0; // Tв, °C
    double correction = 0; // Kк
    double correctedLoss = 0; // Pк, Pa
    std::optional<double> outletVelocity; // Vo, m/s, fan "Другой"
    double outletLoss = 0; // Po, Pa
    double draught = 0; // Pт, Pa
    double fanFlow = 0; // Qв, m³/h
    double fanPressure = 0; // Pв, Pa
};

struct SmokeCalculation {
    std::optional<SmokeResult> result;
    // A result refused for a duty no fan can be selected for: every quantity is a number, and the
    // report shows how it came about.
    std::optional<SmokeResult> refusedResult;
    QStringList messages; // why there is no result
};

// Door coefficient n of formulas (1) and (2): row 2 (residential) or 3 (other buildings) of the door
// table, linear between the tabulated widths, the end values outside them.
double doorCoefficient(double doorWidth, bool residential);

SmokeCalculation calculateSmoke(const SmokeValues& values);

} // namespace smoke
