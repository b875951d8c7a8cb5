#pragma once

#include <QString>
#include <QStringList>
#include <array>

// Kinds of fitting a shaft or duct section may carry, the coefficient of local resistance of each,
// and the materials with their roughness coefficients.
namespace sections {

enum class FittingKind { Straight = 0, Bend90, Diffuser, Confuser, SuddenExpansion, SuddenContraction };
inline constexpr int fittingKindCount = 6;

// Items of the kind choice, in index order.
QStringList fittingKindNames();
// The label of the kind's parameter (bend radius or an area ratio); empty for a straight section.
QString fittingParameterLabel(FittingKind kind);
// Whether the kind has a parameter and a computed coefficient.
bool fittingHasParameter(FittingKind kind);
// Fittings without a length of their own (a bend and the sudden changes of section).
bool fittingHasLength(FittingKind kind);
// Only a diffuser depends on its half opening angle.
bool fittingHasHalfAngle(FittingKind kind);

// Coefficient of local resistance. `area` is the section's flow area, m²; `parameter` the bend radius
// R, m, or the area ratio of the kind; `halfAngle` the diffuser's half opening angle, degrees. The
// inputs must be positive where the kind uses them; the result may be negative for ratios outside a
// formula's range (the caller refuses that).
double fittingCoefficient(FittingKind kind, double area, double parameter, double halfAngle);

// Diameter of the circle of the given area, m.
double equivalentDiameter(double area);

// The kinds of fitting a section dialog offers, by their index in its kind choice: the shaft kinds
// above, or another set that a duct of its own needs.
struct FittingCatalogue {
    QStringList names;
    QString (*parameterLabel)(int kind);
    bool (*hasParameter)(int kind);
    bool (*hasLength)(int kind);
    bool (*hasHalfAngle)(int kind);
    double (*coefficient)(int kind, double area, double parameter, double halfAngle);
};
// The kinds of a smoke shaft.
const FittingCatalogue& shaftFittings();

struct ShaftMaterial {
    QString name;
    double roughness; // Kc
};
// "Металл", "Бетон", "Кирпич", "Штукатурка", in the order of the material choice.
const std::array<ShaftMaterial, 4>& shaftMaterials();

} // namespace sections
