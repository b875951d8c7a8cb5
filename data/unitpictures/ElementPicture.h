#pragma once

#include <QImage>
#include <QString>

// The pictures of the arrangement strip of an assembled unit: one technical symbol per kind of piece, drawn
// as a side view of the air-handling unit's casing, air passing horizontally.
namespace unitpictures {

enum class Symbol {
    Louvre,
    AirDamper,
    CheckDamper,
    MixingDamper,
    PanelFilter,
    BagFilter,
    LoadedBagFilter,
    Heater,
    Cooler,
    Silencer,
    Connector,
    Fan,
    Duct,
    OtherElement, // a kind of valve or filter the symbols do not know
};

enum class Look {
    Normal, // on screen and on paper
    Selected, // the selected line on screen
};

// Height of every picture; the lowest band stays free for the piece's length written into it.
inline constexpr int pictureHeight = 150;

// `length` (mm) sets the width of silencers; `caption` is written into duct pictures (the section).
QImage elementPicture(Symbol symbol, Look look, double length = 0, const QString& caption = {});

// An empty slot: a faint duct axis on screen, plain white on paper.
QImage emptySlotPicture(bool printed);

// The outdoor condensing unit that goes with a cooler: casing, fan grille and refrigerant connections.
QImage condensingUnitPicture();

} // namespace unitpictures
