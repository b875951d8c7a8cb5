#include "fanviews/SoundPowerLevels.h"

namespace fanviews {
namespace {

// Band corrections in dB, 63 … 8000 Hz.
constexpr OctaveLevels inletLowNoise {-11, -6, 0, -1, -9, -10, -10.5, -18};
constexpr OctaveLevels inletOther {-10, -7, -13, 0, -7, -8, -10, -15};
constexpr OctaveLevels outletLowNoise {-3, 2, -2, -5, -3, -10.5, -15.5, -19};
constexpr OctaveLevels outletOther {-8, -6, -11, -4, -6, -5, -10, -16};
constexpr OctaveLevels casingAll {6, 8, -3, -4, -8, -7, -11, -14};
constexpr OctaveLevels casingCentrifugal {5, 0, -5, -5, -7, -7, -8, -12};

std::optional<OctaveLevels> spectrum(double level, const OctaveLevels& corrections)
{
    if (!(level > 0))
        return std::nullopt;
    OctaveLevels bands {};
    for (size_t i = 0; i < bands.size(); ++i)
        bands[i] = level + corrections[i];
    return bands;
}

} // namespace

SoundPowerLevels soundPowerLevels(
    const QString& designation, double inletLevel, double outletLevel, double casingLevel)
{
    const bool lowNoise = designation.contains(u"ЛТМЖ");
    SoundPowerLevels spectra;
    spectra.inlet = spectrum(inletLevel, lowNoise ? inletLowNoise : inletOther);
    spectra.outlet = spectrum(outletLevel, lowNoise ? outletLowNoise : outletOther);
    spectra.casing = spectrum(casingLevel, casingAll);
    if (designation.indexOf(u"ЛТНС") > 0)
        spectra.casingCentrifugal = spectrum(casingLevel, casingCentrifugal);
    return spectra;
}

} // namespace fanviews
