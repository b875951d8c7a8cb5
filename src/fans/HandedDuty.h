#pragma once

namespace fans {

// The duty a calculation hands to a fan selection window when it needs a fan: the selection knows
// nothing of the calculation that asks. Flow in m³/h, pressure in Pa.
struct HandedDuty {
    double flow = 0;
    double pressure = 0;

    bool operator==(const HandedDuty&) const = default;
};

// A smoke-exhaust fan's duty, with the kind of fan wanted and whether the gas is hotter than 400 °C.
struct HandedSmokeDuty {
    double flow = 0;
    double pressure = 0;
    bool roofFan = false; // a roof fan ("Крышный") is wanted
    bool hotGas = false;

    bool operator==(const HandedSmokeDuty&) const = default;
};

} // namespace fans
