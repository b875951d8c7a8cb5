#pragma once

#include <QString>

// The kind of fan a designation names, found from the series codes in it. It chooses the titles of the
// data sheet, graphs, drawing and printed sheet, and the noise spectra of roof fans with reduced noise.
namespace fans {

enum class FanKind { RoofLowNoise, Axial, Roof, Duct };

// First match wins: "ЛТМЖ" roof with reduced noise, "ЖЭСТ" axial, "ГЭСТ" roof, else duct.
FanKind fanKindOf(const QString& designation);

// The kind in titles: "крышного", "осевого", "канального" (both roof kinds read as roof fans).
QString kindAdjective(FanKind kind);

} // namespace fans
