#pragma once

#include "pressurization/SupplyProject.h"
#include "sections/SectionRecord.h"

#include <QString>
#include <array>

// The values the page steps of the pressurization calculation accept, in the units of the formulas.
namespace pressurization {

// How the supply air enters the building: S into the lift shaft; J into the shaft and the staircase
// together; D into both separately (two fans); Z separately with the staircase divided into zones
// (three fans).
enum class SupplyScheme { Shaft = 0, Joint, Separate, Zones };

// The scheme of the first checked choice; the shaft scheme when none is checked.
SupplyScheme supplySchemeOf(const SupplyProject& project);
// Fans of the scheme: 1, 1, 2, 3.
int supplyFanCount(SupplyScheme scheme);
// The last input page of the scheme: 3, 3, 4, 5; the calculation runs there.
int supplyLastPage(SupplyScheme scheme);
// The flow multiplier of the duct losses: 1, 1, 2, 3.
int supplyFlowMultiplier(SupplyScheme scheme);

// The lifts of a section that the formulas have coefficients for.
inline constexpr int supplyLiftsLow = 2;
inline constexpr int supplyLiftsHigh = 4;
inline bool liftsProvidedFor(double lifts)
{
    return lifts >= supplyLiftsLow && lifts <= supplyLiftsHigh;
}

// The input a step stopped at, so that the window puts the focus there.
enum class SupplyField {
    None,
    OutdoorTemperature, // Input_tn
    WindSpeed, // Input_V
    Floors, // Input_N
    StoreyHeight, // Input_h
    Doors, // Input_nn
    LeafWidth, // Input_b
    Lifts, // Input_m
    EntranceArea, // Input_A
    SmokeFlow, // Input_G
    ZoneFloors, // Input_Nz
    Sections1, // StringGrid_Ychastki
    Sections2, // StringGrid_Ychastki_2
    Sections3, // StringGrid_Ychastki_3
};
// The objectName of the control of a field; empty for None.
QString supplyFieldControl(SupplyField field);
// The page (1..5) that holds the field's control; 0 for None.
int supplyFieldPage(SupplyField field);

struct SupplyValues {
    // Page 1
    double outdoorTemperature = 15; // tн, °C
    double windSpeed = 2; // V, m/s
    int floors = 10; // N
    double storeyHeight = 3; // h, m
    int doors = 4; // n, doors per storey
    double leafWidth = 1; // b, m
    int lifts = 2; // m, lifts per section
    double entranceArea = 1; // A, m²
    double smokeFlow = 5000; // Gд, kg/h
    bool directTambour = true; // T
    // Page 2
    SupplyScheme scheme = SupplyScheme::Shaft;
    int zoneFloors = 4; // Nз
    // Pages 3 to 5
    std::array<SectionRecords, supplyFanLimit> sections;
};

} // namespace pressurization
