#pragma once

#include <QImage>
#include <QString>

// The dimension drawing of one catalogue fan: a clean outline of the casing in two views with the
// inlet/outlet and the mounting, dimensioned with the fan's own catalogue figures.
namespace drawings {

// How a fan is drawn, from what its catalogue record says about it.
enum class Outline {
    RoundDuct, // round casing with round spigots (duct and axial fans)
    RectangularDuct, // box with rectangular flanges A × B
    Roof, // base plate, casing and hood (roof and wall fans)
    Radial, // spiral casing with an outlet A × B on a base frame
};

struct DrawingFacts {
    QString designation;
    QString heading; // "Основные размеры канального вентилятора:" and the like
    Outline outline = Outline::RoundDuct;
    // Catalogue figures in mm; 0 when the catalogue gives none (that figure is then not dimensioned).
    int a = 0;
    int b = 0;
    int d = 0;
    int length = 0;
};

QImage dimensionDrawing(const DrawingFacts& facts);

} // namespace drawings
