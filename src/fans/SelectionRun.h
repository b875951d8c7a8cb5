#pragma once

#include <vector>

namespace fans {

// The operating point of the fan with number c, as the fans-found window marks it.
struct OperatingPoint {
    double seriesIndex = 0; // chart series of the fan's curve: c + 3
    double flow = 0; // Qop, m³/h
    double pressure = 0; // round(k·Qop²), Pa
};

// A selection run that listed fans: its duty point and the fans' operating points, in list order.
// Handed with the run's content to the window that shows it.
struct SelectionRun {
    double requiredFlow = 0;
    double requiredPressure = 0;
    bool roofRun = false;
    std::vector<OperatingPoint> operatingPoints;
};

} // namespace fans
