#pragma once

// The fan duty a smoke-exhaust calculation hands to the smoke-exhaust fan selection.
struct SmokeDuty {
    double flow = 0; // Q, m³/h
    double pressure = 0; // P, Pa
    bool roofFan = false; // a roof fan ("Крышный") is wanted
    bool hotGas = false; // the gas before the fan is hotter than 400 °C

    bool operator==(const SmokeDuty&) const = default;
};
