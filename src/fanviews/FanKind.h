#pragma once

#include "fans/FanKind.h"

#include <QString>

// Titles and headings of a fan's views by the kind of fan its designation names.
namespace fanviews {

using fans::FanKind;
using fans::fanKindOf;

// "ЗФН: Характеристики крышного вентилятора" and the like: the title of a fan's data sheet.
QString sheetTitle(FanKind kind);

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
