#pragma once

#include "curtains/CurtainInputs.h"

#include <QString>
#include <optional>

// The checks of a curtain's inputs and the design quantities every series shares: the air velocity in
// the open gate and the slot width and air flow the curtain needs.
namespace curtains {

struct CurtainRefusal {
    QString message;
    CurtainField field = CurtainField::None;
};

// Temperature rise of the air in the curtain's heater, K. The steam heater also fixes the steam
// temperatures (150 °C in, 120 °C out), which replace the water temperatures of the inputs.
struct HeaterRise {
    double dt = 0;
    double tw1 = 0;
    double tw2 = 0;
};
HeaterRise heaterRise(const CurtainInputs& in);

// The largest gate width, gate height and wind speed the boxes take (m, m/s).
inline constexpr double largestBoxValue = 50;

// The checks before anything is computed (gate size, wind, temperature order, the mean jet temperature
// and the water temperatures), in the order the window reports them; nothing when the inputs are sound.
std::optional<CurtainRefusal> checkCurtainInputs(const CurtainInputs& in, QChar decimalSeparator);

// Angle of the jet to the gate plane, degrees, and the jet direction used by the jet and the heat balance.
inline constexpr double jetAngleDegrees = 15;
double jetDirection(); // (90° + 15°) in radians

struct CurtainDesign {
    double dt = 0; // heater temperature rise, K
    double tw1 = 0, tw2 = 0; // water (or steam) in and out, °C
    double tm = 0; // (tн + tв)/2, °C
    double k = 0; // building coefficient
    double q = 0; // relative jet temperature, at least 0.16
    double rhoN = 0, rhoV = 0; // outdoor and indoor air density, kg/m³
    double windPressure = 0; // ΔPв, Pa
    double thermalPressure = 0; // ΔPт, Pa
    double gateVelocity = 0; // Vпр, m/s
    double phi = 0; // slot ratio φ
    double requiredSlot = 0; // m
    double requiredFlow = 0; // m³/h (of each unit of a two-post curtain)
};

struct CurtainDesignOutcome {
    std::optional<CurtainDesign> design;
    CurtainRefusal refusal;
};

double buildingCoefficient(int buildingType);

// The design quantities from checked inputs. Refuses inputs for which the air in the gate has no velocity
// (the thermal and wind pressures together below zero).
CurtainDesignOutcome designCurtain(const CurtainInputs& in);

// A number in its shortest form with the given decimal mark; rounded to hundredths (halves to even) first.
QString shortestText(double x, QChar decimalSeparator);
QString hundredthsText(double x, QChar decimalSeparator);

// "Тип 1", "Тип 2", "Тип 3".
QString buildingTypeText(int buildingType);

} // namespace curtains
