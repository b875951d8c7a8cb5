#pragma once

#include "pressurization/SupplyInputs.h"

#include <QStringList>
#include <array>
#include <optional>
#include <vector>

// The pressurization calculation: the overpressure of the lift shaft (and the staircase), the supply
// air of each fan and its pressure with the loss of its duct. Pressures in Pa, mass flows in kg/h,
// volume flows in m³/h. A quantity the scheme does not compute stays empty.
namespace pressurization {

struct SupplyFan {
    double flow; // m³/h
    double pressure; // Pa
};

struct SupplyResult {
    SupplyScheme scheme = SupplyScheme::Shaft;
    double outdoorDensity = 0; // ρн, kg/m³
    double stackTerm = 0; // Y_Y, Pa per m
    int heightClass = 14; // Ntab
    double shaftPressure = 0; // Pш1
    double meanFloorFlow = 0; // Gср

    // Scheme S
    std::optional<double> firstFloorFlow; // Gш1
    double firstFloorFlowBeforeWidth = 0; // Gш1 of block (2), before the leaf-width correction
    bool widthCorrected = false; // block (2a) applied
    std::optional<double> fanMassFlow; // G
    std::optional<double> fanVolumeFlow; // Q
    std::optional<double> fanPressure; // Pв, schemes S and J

    // Schemes J, D and Z
    std::optional<double> lobbyPressure; // Pвс
    std::optional<double> shaftStairDifference; // Pкш
    bool tabulatedDifference = false; // Pкш read from the shaft table (D, Z)
    std::optional<double> doorFlow; // Gдв
    std::optional<double> totalFlow; // Gоб (J, D)
    std::optional<double> totalVolumeFlow; // Qоб (J, D)
    std::optional<double> stairFlow; // Gk (J, D)
    std::optional<double> stairVolumeFlow; // Qk (D)
    std::optional<double> shaftFlow; // Gш (J, D, Z)
    std::optional<double> shaftVolumeFlow; // Qш (D, Z)
    std::optional<double> shaftFanPressure; // Pвш (D, Z)
    std::optional<double> stairFanPressure; // Pвк (D)

    // Scheme Z
    std::optional<double> lowerTotalFlow; // Gобн
    std::optional<double> lowerTotalVolumeFlow; // Qобн
    std::optional<double> lowerStairFlow; // Gкн
    std::optional<double> lowerStairVolumeFlow; // Qкн
    std::optional<double> lowerShaftFlow; // Gшн
    std::optional<double> lowerZonePressure; // Pнзк
    std::optional<double> upperZonePressure; // Pвзк
    std::optional<double> upperStairFlow; // Gкв
    std::optional<double> upperStairVolumeFlow; // Qкв
    std::optional<double> upperZoneAir; // Gвзк
    std::optional<double> upperShaftFlow; // Gвзш
    std::optional<double> upperStairFanPressure; // Pвкв
    std::optional<double> lowerStairFanPressure; // Pвкн

    // Duct loss of each fan at its flow.
    std::array<std::optional<double>, supplyFanLimit> ductLosses;
    // One row per fan, in the order of the results table.
    std::vector<SupplyFan> fans;
};

struct SupplyCalculation {
    std::optional<SupplyResult> result; // empty when the calculation was refused
    // A result refused for a fan duty no fan can be selected for: every quantity is a number, and the
    // report shows how it came about.
    std::optional<SupplyResult> refusedResult;
    QStringList messages;
};

SupplyCalculation calculateSupply(const SupplyValues& values);

} // namespace pressurization
