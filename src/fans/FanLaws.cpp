#include "fans/FanLaws.h"

namespace fans {

FanCurve scaledToSpeed(const FanCurve& curve, double r)
{
    FanCurve scaled = curve;
    for (int i = 0; i < curve.n; ++i) {
        scaled.x[i] = curve.x[i] * r;
        scaled.y[i] = curve.y[i] * r * r;
        scaled.w[i] = curve.w[i] * r * r * r;
    }
    return scaled;
}

} // namespace fans
