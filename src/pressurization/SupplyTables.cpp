#include "pressurization/SupplyTables.h"

#include <array>

namespace pressurization {

int heightClass(int floors)
{
    if (floors <= 14)
        return 14;
    return floors <= 20 ? 20 : 27;
}

namespace {

constexpr std::array<double, 6> lobbyPressures = {20, 40, 60, 80, 100, 120};
constexpr std::array<std::array<double, 6>, 5> shaftDifferences = {{
    {152, 133, 110, 95, 75, 57},
    {128, 100, 70, 40, 12, 17},
    {140, 125, 110, 95, 68, 40},
    {105, 90, 70, 50, 30, 10},
    {123, 110, 98, 85, 72, 59},
}};

// Linear between the columns, the end values beyond them.
double interpolateRow(const std::array<double, 6>& x, const std::array<double, 6>& y, double at)
{
    if (at < x.front())
        return y.front();
    for (std::size_t i = 0; i + 1 < x.size(); ++i) {
        if (at < x[i + 1])
            return y[i] + (y[i + 1] - y[i]) * (at - x[i]) / (x[i + 1] - x[i]);
    }
    return y.back();
}

// The row of the shaft table (0-based) for the building; -1 when none applies.
int shaftDifferenceRow(int heightClass, int lifts, int doors)
{
    if (heightClass == 14 && lifts == 2 && doors == 8)
        return 0;
    if (heightClass == 14 && lifts == 2 && doors == 16)
        return 1;
    if (heightClass == 20 && lifts == 2 && doors == 8)
        return 2;
    if (heightClass == 20 && lifts == 3 && doors == 16)
        return 3;
    if (heightClass == 27 && lifts == 4 && doors == 8)
        return 4;
    return -1;
}

// The step of a zone row: the node row's offset divided by the row's divisor.
struct ZoneStep {
    int node; // 0 below 6 storeys, 1 for 6–7, 2 for 8–9, 3 for 10, 4 from 11
    double t;
};
ZoneStep zoneStep(int zoneFloors)
{
    if (zoneFloors <= 5)
        return {0, 0};
    if (zoneFloors <= 7)
        return {1, (zoneFloors - 5) / 5.0};
    if (zoneFloors <= 9)
        return {2, (zoneFloors - 7) / 7.0};
    if (zoneFloors == 10)
        return {3, (zoneFloors - 9) / 9.0};
    return {4, 0};
}

} // namespace

ShaftDifferenceRow tabulatedShaftDifference(int heightClass, int lifts, int doors, double lobbyPressure)
{
    const int row = shaftDifferenceRow(heightClass, lifts, doors);
    if (row < 0)
        return {};
    return {true, interpolateRow(lobbyPressures, shaftDifferences[row], lobbyPressure)};
}

FloorFlowCoefficients floorFlowCoefficients(int doors, int heightClass)
{
    const double n = doors;
    if (heightClass == 27) {
        if (doors <= 4)
            return {0.56, 87.5};
        if (doors <= 8)
            return {0.56 + 0.02 * (n - 4) / 4, 87.5 + 4.1 * (n - 4) / 4};
        return {0.58, 91.6};
    }
    const bool low = heightClass == 14;
    if (doors <= 4)
        return {0.68, low ? 44.5 : 47.2};
    if (doors <= 8)
        return {0.68 - 0.07 * (n - 4) / 4, low ? 44.5 + 36.5 * (n - 4) / 4 : 47.2 + 32.8 * (n - 4) / 4};
    if (doors <= 16)
        return {0.61 - 0.15 * (n - 8) / 8, low ? 81 + 130 * (n - 8) / 8 : 80 + 120 * (n - 8) / 8};
    return {0.46, low ? 211.0 : 200.0};
}

StairAirJ stairAirJ(int heightClass, int lifts)
{
    if (heightClass == 14)
        return lifts == 2 ? StairAirJ {-0.176, 339, 2.19, 0.066} : StairAirJ {-0.165, 340, 1.7, 2.0};
    if (heightClass == 20)
        return lifts == 2 ? StairAirJ {-0.188, 327, 3.27, 0.0002} : StairAirJ {-0.083, 231, 1.95, 0.77};
    return lifts == 4 ? StairAirJ {-0.098, 238, 2.44, 0.094} : StairAirJ {-0.084, 219, 2.31, 0.114};
}

StairAirCoefficients stairAirD(int heightClass, int lifts, int doors)
{
    if (heightClass == 27)
        return {-0.0093, 3.8, 0.0039, 0.24};
    if (heightClass == 20)
        return lifts == 2 ? StairAirCoefficients {-0.0011, 2.68, 0, 0.82}
                          : StairAirCoefficients {-0.005, 3.27, 0.0019, 0.53};
    if (lifts != 2 || doors >= 16)
        return {-0.005, 3.4, 0.002, 0.48};
    if (doors <= 8)
        return {-0.0031, 3.1, 0.0009, 0.64};
    const double t = (doors - 8) / 8.0;
    return {-0.0031 - 0.0019 * t, 3.1 + 0.3 * t, 0.0009 + 0.0011 * t, 0.64 - 0.16 * t};
}

StairAirCoefficients zoneStairAir(int zoneFloors)
{
    const auto [node, t] = zoneStep(zoneFloors);
    switch (node) {
    case 0:
        return {-0.0064, 3.53, 0.0027, 0.45};
    case 1:
        return {-0.0064 + 0.0008 * t, 3.53 - 0.27 * t, 0.0027 - 0.0005 * t, 0.45 + 0.12 * t};
    case 2:
        return {-0.0056 + 0.0014 * t, 3.26 - 0.15 * t, 0.0022 - 0.0008 * t, 0.57 + 0.08 * t};
    case 3:
        return {-0.0042 + 0.0003 * t, 3.11 - 0.05 * t, 0.0014, 0.65 - 0.01 * t};
    default:
        return {-0.0039, 3.06, 0.0014, 0.66};
    }
}

ZoneShaftCoefficients zoneShaftCoefficients(int zoneFloors, int lifts)
{
    const auto [node, t] = zoneStep(zoneFloors);
    if (lifts == 4) {
        constexpr std::array<double, 5> d = {0.7, 0.7, 0.52, 0.35, 0.18};
        constexpr std::array<double, 5> slope = {0, 0.18, 0.17, 0.17, 0};
        return {5, 1.44, d[node] - slope[node] * t};
    }
    if (lifts == 3) {
        switch (node) {
        case 0:
            return {7.5, 1.52, 0.65};
        case 1:
            return {7.5 + t, 1.52 + 0.06 * t, 0.65 - 0.15 * t};
        case 2:
            return {8.5 + 1.5 * t, 1.58 + 0.06 * t, 0.5 - 0.15 * t};
        case 3:
            return {10 + 5 * t, 1.64 + 0.06 * t, 0.35 - 0.15 * t};
        default:
            return {15, 1.7, 0.2};
        }
    }
    switch (node) {
    case 0:
        return {10, 1.6, 0.6};
    case 1:
        return {10 + 2.5 * t, 1.6 + 0.12 * t, 0.6 - 0.13 * t};
    case 2:
        return {12.5 + 2.5 * t, 1.72 + 0.12 * t, 0.47 - 0.14 * t};
    case 3:
        return {15 + 10 * t, 1.84 + 0.06 * t, 0.33 - 0.11 * t};
    default:
        return {25, 1.9, 0.22};
    }
}

} // namespace pressurization
