#pragma once

#include "fans/FanRecord.h"

#include <array>
#include <optional>

namespace fans {

// The tabulated performance of one fan, checked so that the four-node interpolation is sound: at least
// four points, flows strictly ascending, every value finite. Catalogue records that do not meet this
// are skipped by a selection run rather than interpolated through nonsense.
struct FanCurve {
    static constexpr int minPoints = 4;

    int n = 0;
    std::array<double, FanRecord::maxPoints> x {}; // flow, m³/h
    std::array<double, FanRecord::maxPoints> y {}; // pressure, Pa
    std::array<double, FanRecord::maxPoints> w {}; // power, kW
    bool hasPower = false; // every power column of the n points is filled

    // scale multiplies pressures and powers (a gas lighter or heavier than the catalogue's air).
    static std::optional<FanCurve> fromRecord(const FanRecord& record, double scale = 1);

    double lastFlow() const { return x[n - 1]; }
    double lastPressure() const { return y[n - 1]; }

    // Pressure and power by the four-node cubic; nothing outside [x1, xN).
    std::optional<double> pressureAt(double q) const;
    std::optional<double> powerAt(double q) const;
    // Pressure where q = xN is also allowed (the curve end at the upper edge of a duty band).
    std::optional<double> pressureAtClosed(double q) const;
    std::optional<double> powerAtClosed(double q) const;
};

} // namespace fans
