#pragma once

// The duty of one fan of a pressurization calculation, as a row of its results table hands it to the
// general fan selection: the fan's flow, m³/h, and its static pressure, Pa.
namespace pressurization {

struct SupplyDuty {
    double flow = 0;
    double pressure = 0;
};

} // namespace pressurization
