#include "fans/DutyBand.h"

namespace fans {

DutyBand DutyBand::around(double flow, double pressure, int rangePercent)
{
    DutyBand band;
    band.qmin = (1 - rangePercent / 100.0) * flow;
    band.qmax = (1 + rangePercent / 100.0) * flow;
    band.k = pressure / (flow * flow);
    band.pmax = band.k * band.qmax * band.qmax;
    return band;
}

} // namespace fans
