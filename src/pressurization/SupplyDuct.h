#pragma once

#include "sections/Fittings.h"
#include "sections/SectionRecord.h"

#include <QString>
#include <QStringList>
#include <optional>

// The sections of a supply duct: its kinds of fitting (those of a smoke shaft plus the intake hood and
// grille), their coefficients, and the pressure loss of the duct at a fan's flow.
namespace pressurization {

enum class SupplyFittingKind {
    Straight = 0,
    Hood,
    IntakeGrille,
    Bend90,
    Diffuser,
    Confuser,
    SuddenExpansion,
    SuddenContraction
};
inline constexpr int supplyFittingKindCount = 8;

// Items of the kind choice, in index order.
QStringList supplyFittingKindNames();
// The label of the kind's parameter; empty for a straight section.
QString supplyFittingParameterLabel(SupplyFittingKind kind);
// The same fitting among the kinds of a smoke shaft; none for the hood and the grille.
std::optional<sections::FittingKind> shaftFittingKind(SupplyFittingKind kind);

// Coefficient of local resistance. `area` is the section's flow area, m²; `parameter` the hood's
// distance h, m, the grille's free-area ratio, the bend radius R, m, or an area ratio; `halfAngle`
// the diffuser's half opening angle, degrees.
double supplyFittingCoefficient(SupplyFittingKind kind, double area, double parameter, double halfAngle);

// The supply kinds as the section dialog offers them.
const sections::FittingCatalogue& supplyFittings();

// The kind stored in a section table cell; an unreadable or unknown kind is a straight section.
int supplyKindOfCell(const QString& cell);

// Pressure loss of a duct, Pa, at the fan's flow `flow`, m³/h, multiplied by `multiplier` (the flow
// multiplier of the scheme). A straight section holds its diameter in the area field. A section
// without area or diameter gives an infinite or undefined loss: the caller refuses it.
double ductLoss(const SectionRecords& sections, double flow, int multiplier);

// The first section (1-based) whose area or diameter makes the duct loss undefined; none when every
// section is usable.
std::optional<int> unusableSection(const SectionRecords& sections);

} // namespace pressurization
