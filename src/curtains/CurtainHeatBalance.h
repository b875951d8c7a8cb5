#pragma once

#include <QString>
#include <optional>

// The heat lost through the open gate without a curtain and the share of it the curtain saves.
namespace curtains {

struct HeatBalanceInputs {
    bool side = true;
    double direction = 0; // jet direction α, radians
    double outletVelocity = 0; // u0, m/s
    double gateVelocity = 0; // Vпр, m/s
    double H = 0, B = 0; // m
    double tn = 0, tv = 0; // °C
    double dt = 0; // heater rise, K
    double slot = 0; // b, m
    double flow = 0; // m³/h
    double endTemperature = 0; // axis temperature at the end of the jet's path, °C
};

struct HeatBalance {
    double gateLoss = 0; // Qпр: heat loss through the open gate without curtain, kW
    std::optional<double> efficiency; // E, %; empty when the balance gives no sensible value
    double lambda = 0; // the jet's deflection λ; below zero the outdoor air breaks through
};

HeatBalance curtainHeatBalance(const HeatBalanceInputs& in);

// Why a balance has no efficiency.
QString noEfficiencyMessage();

} // namespace curtains
