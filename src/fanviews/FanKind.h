#pragma once

#include <QString>

// The kind of fan a designation names, found from the series codes in it. It chooses the titles of the
// graphs, drawing and printed sheet, and the noise spectra of roof fans with reduced noise.
namespace fanviews {

enum class FanKind { RoofLowNoise, Axial, Roof, Duct };

// First match wins: "ЛТМЖ" roof with reduced noise, "ЖЭСТ" axial, "ГЭСТ" roof, else duct.
FanKind fanKindOf(const QString& designation);

// "ЗФН: Графики характеристик крышного вентилятора:  " and the like; the designation follows.
QString graphsTitlePrefix(FanKind kind);
// "ЗФН: Основные размеры крышного вентилятора:  " and the like; the designation follows.
QString drawingTitlePrefix(FanKind kind);
// Title of the printed sheet (the preview window and print job); the designation follows.
QString printTitlePrefix(FanKind kind);
// Headings of the printed sheet: "Характеристики крышного вентилятора" and "Основные размеры ...:".
QString printCharacteristicsHeading(FanKind kind);
QString printDimensionsHeading(FanKind kind);

} // namespace fanviews
