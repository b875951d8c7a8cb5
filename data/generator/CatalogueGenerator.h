#pragma once

#include "fans/FanRecord.h"

#include <QString>
#include <vector>

// The bundled fan catalogue, generated deterministically from a few dimensionless fan characteristics.
//
// Each series has one characteristic (flow coefficient phi = Q/(u·πD²/4), pressure coefficient
// psi = 2p/(ρu²) and efficiency along the curve, u = πDn/60 the tip speed), so every fan of a series
// follows the fan laws exactly: flow ∝ n·D³, pressure ∝ n²·D², power ∝ n³·D⁵. Flows are rounded to
// 1 m³/h, pressures to 1 Pa and powers to 0.001 kW, as the catalogue stores them. Curve column 61..80
// holds the total efficiency at each point.
namespace fans {

// The impeller a series is modelled on: it gives the series its characteristic.
enum class ImpellerKind { BackwardCurved, ForwardCurved, Axial, RoofRadial, MixedFlow };

// One series as the generator built it: what it is and how its records were made.
struct GeneratedSeries {
    QString name; // as stored in Name
    QString photoName; // the name before its first blank: the series photo is photoName + ".bmp"
    ImpellerKind kind = ImpellerKind::BackwardCurved;
    bool smoke = false; // a series of the smoke-exhaust table
    bool electricalPower = false; // curve powers include the motor's losses
    int pointCount = 0; // curve points of every fan of the series
};

class CatalogueGenerator {
public:
    // The general-ventilation table (razmzfn). fanCount 0 gives the catalogue as bundled; any other
    // count gives exactly that many records, repeating the series under numbered names with slightly
    // different impellers once the bundled records are used up.
    static std::vector<FanRecord> generalFans(int fanCount = 0);
    // The smoke-exhaust table (razmzfnsmk), scaled the same way.
    static std::vector<FanRecord> smokeFans(int fanCount = 0);

    // The bundled series of both tables, general first, in catalogue order.
    static std::vector<GeneratedSeries> bundledSeries();
};

} // namespace fans
