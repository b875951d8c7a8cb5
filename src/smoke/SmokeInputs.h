#pragma once

#include "sections/SectionRecord.h"
#include "smoke/SmokeCase.h"

#include <QString>

// The values the page steps of the smoke-exhaust calculation accept, in the units of the formulas.
namespace smoke {

// The input a step stopped at, so that the window puts the focus there.
enum class SmokeField {
    None,
    DoorHeight, // Input_H
    DoorWidth, // Input_B
    RoomArea, // Input_A
    RoomHeight, // Input_hh
    CurtainHeight, // Input_Yz
    FirePerimeter, // Input_Pf
    HeightDifference, // Input_dH
    Evacuees, // Input_Ke
    OutdoorTemperature, // Input_Tn
    WindSpeed, // Input_V
    DoorCount, // Input_Kd
    DoorArea1, // Input_Ad1
    DoorArea2, // Input_Ad2
    DoorArea3, // Input_Ad3
    ValvesPerFloor, // Input_Nk
    BranchLength, // Input_Lo
    BranchArea, // Input_Fo
    ValveArea, // Input_Fk
    Floors, // Input_N
    Sections, // StringGrid_Ychastki
    FanOutletHeight, // Input_hv
    OutletLength, // Input_Lv
    OutletDiameter, // Input_dv
    OutletResistance, // Input_Gamma_Sopr
};

struct SmokeValues {
    SmokeCase flags;
    // Page 1
    double doorHeight = 2; // H, m
    double doorWidth = 1; // B, m
    double roomArea = 500; // A, m²
    double roomHeight = 4; // h, m
    double curtainHeight = 2; // Yз, m
    double firePerimeter = 12; // Pf, m
    bool largeFire = false;
    // Page 2
    int evacuees = 30; // Kэ
    double outdoorTemperature = 15; // Tн, °C
    double windSpeed = 2; // V, m/s
    int doorCount = 1; // Kd
    double doorArea1 = 2, doorArea2 = 2, doorArea3 = 2; // Aд1..Aд3, m²
    Combustible combustible = Combustible::Liquids;
    double smokeTemperature = 300; // T, °C
    double smokeWeight = 6; // γ, N/m³
    double heightDifference = 3; // dH, m
    // Page 3
    int valvesPerFloor = 1; // Nк
    double branchLength = 10; // Lo, m
    double branchArea = 1; // Fo, m²
    QString valveName;
    double valveArea = 1; // Fк, m²
    int floors = 25; // N
    double valveCoefficient = 4; // Gk
    // Page 4
    SectionRecords sections;
    // Page 5
    FanType fanType = FanType::Roof;
    double fanOutletHeight = 2; // hв, m (reported only)
    double outletLength = 4; // Lв, m
    double outletDiameter = 1; // dв, m
    double outletResistance = 1; // Y
};

} // namespace smoke
