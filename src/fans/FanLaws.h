#pragma once

#include "fans/FanCurve.h"

namespace fans {

// The curve of the same fan run at r times its catalogue speed, by the fan laws: every tabulated flow
// times r, pressure times r², power times r³. The interpolation through the scaled points is the
// catalogue curve's, scaled the same way.
FanCurve scaledToSpeed(const FanCurve& curve, double r);

} // namespace fans
