#pragma once

#include "fans/FanCatalogue.h"
#include "fans/SelectionRequest.h"

#include <QString>
#include <array>
#include <vector>

namespace fans {

// The fire resistance the user requires: every smoke-exhaust fan withstands 400 °C for 2 hours, the
// fans marked Stoikost also 600 °C. The values are the item indexes of the window's choice.
enum class FireClass { C400 = 0, C600 = 1 };

// Pole counts of the smoke-exhaust window's six boxes.
constexpr std::array<int, 6> smokePoleCounts {2, 4, 6, 8, 12, 16};

// Everything a smoke-exhaust selection run needs from its window (or the command line).
struct SmokeSelectionRequest {
    double flow = 0; // Q, m³/h of smoke at the gas temperature
    double pressure = 0; // P, Pa: static for roof and wall fans, total for radial and axial fans
    int rangePercent = 15;
    double temperature = 20; // T, °C
    QString temperatureText = QStringLiteral("20"); // as typed, kept with the run
    SmokeGroup group = SmokeGroup::RoofWall;
    FireClass fireClass = FireClass::C400;
    std::vector<QString> series; // ticked series of the group's list, in list order
    std::vector<TickedText> diameters;
    std::array<bool, 6> poles {true, true, true, true, true, true}; // smokePoleCounts
};

// Air density of the catalogue curves, kg/m³ (air at 20 °C).
constexpr double catalogueAirDensity = 1.19682;

// Density of the gas at T °C, kg/m³: ρ = 1.19682 / ((T + 273) / 293).
double gasDensity(double temperature);
// The factor on catalogue pressures and powers at T °C: ρ / 1.19682 = 293 / (T + 273).
double gasCurveFactor(double temperature);

} // namespace fans
