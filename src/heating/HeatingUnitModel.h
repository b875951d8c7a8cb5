#pragma once

#include <QString>
#include <array>

// The six models of the ЛУМА air-heating unit series with their catalogue data, in the order in which
// they appear in every table of the program.
namespace heating {

struct HeatingUnitModel {
    QString name; // "1-2"
    double airFlow; // L, m³/h
    double a; // heat-transfer coefficient factor
    double nL; // heat-transfer exponent of the air flow
    double nW; // heat-transfer exponent of the water flow
    double d; // water-side loss factor
    double nd; // water-side loss exponent
    double radius; // R, radius of the jet outlet, m
    double b; // jet height offset, m
    QString size; // width*height*depth, mm
    QString section; // heat-exchanger section
    QString supply; // power supply
    double motorPower; // kW
    double soundPower; // dB
    double startOutput; // first guess of the heat output, kW
};

inline constexpr int heatingUnitModelCount = 6;

const std::array<HeatingUnitModel, heatingUnitModelCount>& heatingUnitModels();

} // namespace heating
