#pragma once

#include <vector>

namespace fans {

// The operating point of the fan with number c, as the fans-found window marks it.
struct OperatingPoint {
    double seriesIndex = 0; // chart series of the fan's curve: c + 3
    double flow = 0; // Qop, m³/h
    double pressure = 0; // round(k·Qop²), Pa
};

// The last selection run that listed fans: its duty point and the fans' operating points, in list order.
// One instance for the program; each successful run overwrites it.
struct SelectionRun {
    double requiredFlow = 0;
    double requiredPressure = 0;
    bool roofRun = false;
    std::vector<OperatingPoint> operatingPoints;
};

SelectionRun& lastSelectionRun();

} // namespace fans
