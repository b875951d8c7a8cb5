#include "unit/ElementRecords.h"

#include <cmath>

namespace unit {

double powerOf(double x, double y)
{
    if (!(x > 0))
        return 0;
    return std::exp(y * std::log(x));
}

double AccessoryRecord::loss(double flow) const
{
    return coefficient * powerOf(flow, exponent);
}

double HeaterRecord::airLoss(double flow) const
{
    return coefficient * powerOf(flow / 1000, exponent);
}

} // namespace unit
