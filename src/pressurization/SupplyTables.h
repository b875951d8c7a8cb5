#pragma once

// The coefficient tables of the pressurization calculation, after the published recommendations for
// smoke-protection supply (МДС 41-1.99). n, m and Nз are integers; the fractions are real.
namespace pressurization {

// Height class of the building: 14 up to 14 storeys, 20 up to 20, 27 above.
int heightClass(int floors);

// Pressure difference between the lift shaft and the staircase, Pa, read from the shaft table at the
// lobby pressure Pвс; none when no row applies to the height class, lifts and doors.
struct ShaftDifferenceRow {
    bool found = false;
    double value = 0;
};
ShaftDifferenceRow tabulatedShaftDifference(int heightClass, int lifts, int doors, double lobbyPressure);

// Mean air flow of a storey Gср = c · X^e.
struct FloorFlowCoefficients {
    double exponent; // e
    double factor; // c
};
FloorFlowCoefficients floorFlowCoefficients(int doors, int heightClass);

// Outside air to pressurize the staircase, scheme J: Gk = A' · Pш1^w · (Pкш + Pш1) − C' · Pш1^B'.
struct StairAirJ {
    double w, a, b, c; // w, A', B', C'
};
StairAirJ stairAirJ(int heightClass, int lifts);

// Outside air of the staircase, schemes D and Z: Gk = 10^(B · Pш1 + C) · (Pкш + Pш1)^(D · Pш1 + E).
struct StairAirCoefficients {
    double b, c, d, e;
};
StairAirCoefficients stairAirD(int heightClass, int lifts, int doors);
// The zone rows are interpolated with the divisor of the row's lower node (5, 7, 9 for Nз 6–7, 8–9,
// 10), as the program always has.
StairAirCoefficients zoneStairAir(int zoneFloors);

// Shaft pressure of scheme Z: Pш1 = a + b' · Pвс − d · Pкш.
struct ZoneShaftCoefficients {
    double a, b, d;
};
ZoneShaftCoefficients zoneShaftCoefficients(int zoneFloors, int lifts);

} // namespace pressurization
