#pragma once

#include "sections/Fittings.h"
#include "sections/SectionTable.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// What the section dialog reads from its boxes and how it checks them: the "> Расчет <" button
// computes the coefficient of the chosen fitting, "ОК" accepts a section. Shared by every window that
// keeps a section table.
namespace sections {

// The dialog's inputs as typed.
struct SectionDialogTexts {
    int material = 0; // item of the material choice
    FittingKind kind = FittingKind::Straight;
    QString area = QStringLiteral("2"); // Input_Fi
    QString length = QStringLiteral("3"); // Input_Li
    QString parameter = QStringLiteral("1"); // Input_Value
    QString halfAngle = QStringLiteral("45"); // Input_Y
    QString coefficient = QStringLiteral("0"); // Input_G
};

enum class SectionDialogField { None, Area, Length, Parameter, HalfAngle, Coefficient };

// The boxes a kind shows (a hidden length box is set to "0").
struct SectionDialogLayout {
    bool length;
    bool parameter; // with the coefficient box and the "> Расчет <" button
    bool halfAngle;
    QString parameterLabel;
};
SectionDialogLayout sectionDialogLayout(FittingKind kind, const FittingCatalogue& fittings = shaftFittings());

// A change of kind: the coefficient box reads "0" and a hidden length box "0".
void applyKindChange(
    SectionDialogTexts& texts, FittingKind kind, const FittingCatalogue& fittings = shaftFittings());

struct SectionDialogOutcome {
    std::optional<double> coefficient; // "> Расчет <": the computed Gi
    std::optional<SectionEntry> entry; // "ОК": the accepted section
    QStringList messages; // shown one after another; the focus goes to `focus`
    SectionDialogField focus = SectionDialogField::None;
};

// "> Расчет <": reads the boxes the kind shows and computes Gi.
SectionDialogOutcome computeSectionCoefficient(const SectionDialogTexts& texts, QChar decimalSeparator,
    const FittingCatalogue& fittings = shaftFittings());
// "ОК": reads the boxes and the coefficient; a section with a negative coefficient is refused.
SectionDialogOutcome acceptSection(const SectionDialogTexts& texts, QChar decimalSeparator,
    const FittingCatalogue& fittings = shaftFittings());

// The dialog filled from a table row for editing. A material text that names no item keeps the
// dialog's current material.
SectionDialogTexts sectionDialogTextsFromRow(const SectionRow& row, const SectionDialogTexts& current,
    const FittingCatalogue& fittings = shaftFittings());

} // namespace sections
