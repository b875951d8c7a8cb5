#pragma once

#include <QString>
#include <array>
#include <optional>

// Sound power levels in the eight octave bands 63 … 8000 Hz, derived from a fan's A-weighted levels
// by the band corrections of its kind.
namespace fanviews {

using OctaveLevels = std::array<double, 8>;

inline constexpr std::array<int, 8> octaveBands {63, 125, 250, 500, 1000, 2000, 4000, 8000};

// The rows of the octave table; a row is empty when its source level is not above 0 (the centrifugal
// row also unless "ЛТНС" stands in the designation after its first character).
struct SoundPowerLevels {
    std::optional<OctaveLevels> inlet;
    std::optional<OctaveLevels> outlet;
    std::optional<OctaveLevels> casing;
    std::optional<OctaveLevels> casingCentrifugal; // " (через стенки)  - для ЦКФ:"
};

SoundPowerLevels soundPowerLevels(
    const QString& designation, double inletLevel, double outletLevel, double casingLevel);

} // namespace fanviews
