#pragma once

namespace fans {

// The flow band around the duty point and the system curve P = k·Q² through it.
struct DutyBand {
    double qmin = 0;
    double qmax = 0;
    double k = 0;
    double pmax = 0; // system pressure at qmax

    // flow Q (m³/h), pressure P (Pa), range r in percent of Q.
    static DutyBand around(double flow, double pressure, int rangePercent);

    double systemPressure(double q) const { return k * q * q; }
    // The flow of step s of a sweep of the band in the given number of steps.
    double stepFlow(int step, int steps) const { return (qmax - qmin) * step / steps + qmin; }
};

} // namespace fans
