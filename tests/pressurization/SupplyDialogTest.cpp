#include "pressurization/SupplyDuct.h"
#include "sections/SectionDialogInput.h"
#include "sections/SectionTable.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace pressurization;
using sections::FittingKind;

namespace {

constexpr QChar comma = QLatin1Char(',');

FittingKind supplyKind(SupplyFittingKind kind)
{
    return static_cast<FittingKind>(kind);
}

TEST(SupplySectionDialog, TheEightKindsOfTheSupplyDuct)
{
    struct Case {
        SupplyFittingKind kind;
        bool length, parameter, halfAngle;
        QString area, parameterText; // Input_Fi, Input_Value
        double coefficient;
    };
    using K = SupplyFittingKind;
    const Case cases[] = {
        {K::Straight, true, false, false, u"0,5"_s, u"1"_s, 0},
        {K::Hood, true, true, false, u"0,5"_s, u"0,5"_s, 1}, // (h / Fi)^-0.39 = 1
        {K::IntakeGrille, true, true, false, u"1"_s, u"0,8"_s, 0.97 * std::pow(0.8, 2.45)},
        {K::Bend90, false, true, false, u"0,785398"_s, u"1"_s, 0.38}, // d = 1 m, R = 1 m
        {K::Diffuser, true, true, true, u"1"_s, u"2"_s, 0.11 * std::pow(45.0, 0.45) * 0.16},
        {K::Confuser, true, true, false, u"1"_s, u"1"_s, 0.0154},
        {K::SuddenExpansion, false, true, false, u"1"_s, u"0,5"_s, 0.3},
        {K::SuddenContraction, false, true, false, u"1"_s, u"0,5"_s, 0.25},
    };
    const sections::FittingCatalogue& fittings = supplyFittings();
    ASSERT_EQ(fittings.names.size(), 8);
    for (const Case& c : cases) {
        SCOPED_TRACE(fittings.names[static_cast<int>(c.kind)].toStdString());
        const sections::SectionDialogLayout layout
            = sections::sectionDialogLayout(supplyKind(c.kind), fittings);
        EXPECT_EQ(layout.length, c.length);
        EXPECT_EQ(layout.parameter, c.parameter);
        EXPECT_EQ(layout.halfAngle, c.halfAngle);
        EXPECT_EQ(layout.parameterLabel, supplyFittingParameterLabel(c.kind));

        sections::SectionDialogTexts texts;
        sections::applyKindChange(texts, supplyKind(c.kind), fittings);
        EXPECT_EQ(texts.length, c.length ? u"3"_s : u"0"_s);
        texts.area = c.area;
        texts.parameter = c.parameterText;
        const sections::SectionDialogOutcome computed
            = sections::computeSectionCoefficient(texts, comma, fittings);
        ASSERT_TRUE(computed.coefficient) << computed.messages.join(u' ').toStdString();
        EXPECT_NEAR(*computed.coefficient, c.coefficient, 5e-5);

        // The section handed to the table keeps the supply kind's index.
        texts.coefficient = QString::number(c.coefficient).replace(u'.', comma);
        const sections::SectionDialogOutcome accepted = sections::acceptSection(texts, comma, fittings);
        ASSERT_TRUE(accepted.entry) << accepted.messages.join(u' ').toStdString();
        EXPECT_EQ(sections::sectionRowCells(*accepted.entry, comma)[sections::KindColumn],
            QString::number(static_cast<int>(c.kind)));
    }

    // A row of the hood comes back into the dialog as the hood, not as the shaft's bend.
    sections::SectionRow row = sections::emptySectionRow(1);
    row[sections::KindColumn] = u"1"_s;
    EXPECT_EQ(sections::sectionDialogTextsFromRow(row, {}, fittings).kind, supplyKind(K::Hood));
    row[sections::KindColumn] = u"7"_s;
    EXPECT_EQ(sections::sectionDialogTextsFromRow(row, {}, fittings).kind, supplyKind(K::SuddenContraction));
}

TEST(SupplySectionDialog, CoefficientCellsOfTheFirstAndTheOtherTables)
{
    sections::SectionEntry diffuser;
    diffuser.area = 1;
    diffuser.coefficient = 0.0496;
    sections::SectionTable first, second;
    first.add(diffuser, comma);
    second.add(diffuser, comma, sections::CoefficientCells::AsOtherNumbers);
    EXPECT_EQ(first.row(0)[sections::CoefficientColumn], u"0,0496"_s);
    EXPECT_EQ(second.row(0)[sections::CoefficientColumn], u"0,04"_s);
    second.edit(0, diffuser, comma, sections::CoefficientCells::AsOtherNumbers);
    EXPECT_EQ(second.row(0)[sections::CoefficientColumn], u"0,04"_s);
}

} // namespace
