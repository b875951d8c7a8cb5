#include "sections/Fittings.h"
#include "calcreport/ReportNumbers.h"
#include "common/NumberText.h"
#include "sections/SectionDialogInput.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace sections;
using namespace Qt::StringLiterals;

TEST(FittingsTest, CoefficientOfEveryKind)
{
    const struct {
        FittingKind kind;
        double area, parameter, halfAngle, expected, tolerance;
    } cases[] = {
        {FittingKind::Straight, 2, 0, 1, 0, 0},
        {FittingKind::Bend90, 0.785398, 1, 1, 0.38, 1e-6}, // d = 1 m, R = 1 m
        {FittingKind::Bend90, 0.785398, 2, 1, 0.38 * std::pow(2.0, -0.8), 1e-6},
        {FittingKind::Diffuser, 1, 2, 10, 0.0496, 5e-5},
        {FittingKind::Confuser, 1, 1, 1, 0.0154, 1e-12},
        {FittingKind::SuddenExpansion, 1, 1, 1, 0, 1e-12},
        {FittingKind::SuddenExpansion, 1, 0.5, 1, 0.3, 1e-12},
        {FittingKind::SuddenContraction, 1, 0.5, 1, 0.25, 1e-12},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(fittingCoefficient(c.kind, c.area, c.parameter, c.halfAngle), c.expected, c.tolerance)
            << static_cast<int>(c.kind) << " " << c.parameter;
    // Ratios outside a formula's range give negative coefficients, which the dialog refuses.
    EXPECT_LT(fittingCoefficient(FittingKind::Diffuser, 1, 1, 10), 0);
    EXPECT_LT(fittingCoefficient(FittingKind::Confuser, 1, 0.73, 1), 0);
    EXPECT_GT(fittingCoefficient(FittingKind::Confuser, 1, 0.74, 1), 0);
}

// Where a formula's terms cancel (0.2 − 0.8 + 0.6 at Fc = 1), the coefficient is zero, not the binary
// remainder -1.11022e-16: in the box after "> Расчет <" and in the message of "ОК".
TEST(FittingsTest, CoefficientZeroByItsFormulaIsZero)
{
    const struct {
        FittingKind kind;
        QString ratio;
    } cases[] = {
        {FittingKind::SuddenContraction, u"1"_s},
        {FittingKind::SuddenContraction, u"3"_s},
        {FittingKind::SuddenExpansion, u"1"_s},
        {FittingKind::SuddenExpansion, u"1.25"_s},
    };
    const QChar dot = QLatin1Char('.');
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ratio.toStdString());
        SectionDialogTexts t;
        applyKindChange(t, c.kind);
        t.parameter = c.ratio;
        const SectionDialogOutcome computed = computeSectionCoefficient(t, dot);
        ASSERT_TRUE(computed.coefficient);
        EXPECT_EQ(*computed.coefficient, 0.0);
        t.coefficient = calcreport::generalText(*computed.coefficient, 6, dot);
        EXPECT_EQ(t.coefficient, u"0");
        EXPECT_EQ(acceptSection(t, dot).messages, QStringList {u"0 не может быть меньше или равно нулю?!"_s});
    }
}

TEST(FittingsTest, KindDecidesTheBoxesAndTheirLabels)
{
    EXPECT_EQ(fittingKindNames().size(), fittingKindCount);
    const SectionDialogLayout straight = sectionDialogLayout(FittingKind::Straight);
    EXPECT_TRUE(straight.length);
    EXPECT_FALSE(straight.parameter);
    EXPECT_TRUE(straight.parameterLabel.isEmpty());
    const SectionDialogLayout bend = sectionDialogLayout(FittingKind::Bend90);
    EXPECT_FALSE(bend.length);
    EXPECT_EQ(bend.parameterLabel, u"Радиус поворота - R, м:");
    EXPECT_TRUE(sectionDialogLayout(FittingKind::Diffuser).halfAngle);
    EXPECT_FALSE(sectionDialogLayout(FittingKind::Confuser).halfAngle);

    SectionDialogTexts texts;
    texts.coefficient = u"0,5"_s;
    applyKindChange(texts, FittingKind::SuddenContraction);
    EXPECT_EQ(texts.coefficient, u"0");
    EXPECT_EQ(texts.length, u"0");
}

TEST(FittingsTest, DialogComputesAndAcceptsOrRefusesWithItsMessages)
{
    const QChar comma = QLatin1Char(',');
    SectionDialogTexts bend;
    applyKindChange(bend, FittingKind::Bend90);
    bend.area = u"0,785398"_s;
    bend.parameter = u"1"_s;
    const SectionDialogOutcome computed = computeSectionCoefficient(bend, comma);
    ASSERT_TRUE(computed.coefficient);
    EXPECT_NEAR(*computed.coefficient, 0.38, 1e-6);

    bend.coefficient = u"0,38"_s;
    const SectionDialogOutcome accepted = acceptSection(bend, comma);
    ASSERT_TRUE(accepted.entry);
    EXPECT_EQ(accepted.entry->length, 0); // a bend has no length of its own
    EXPECT_EQ(accepted.entry->material, u"Металл");
    EXPECT_EQ(accepted.entry->roughness, 1.0);

    const struct {
        const char16_t* what;
        FittingKind kind;
        QString area, parameter, coefficient;
        QStringList messages;
        SectionDialogField focus;
    } refused[] = {
        {u"expansion with no loss", FittingKind::SuddenExpansion, u"1"_s, u"1"_s, u"0"_s,
            {u"0 не может быть меньше или равно нулю?!"_s}, SectionDialogField::Coefficient},
        {u"negative straight", FittingKind::Straight, u"1"_s, u"1"_s, u"-0,5"_s,
            {u"Заданные параметры привели к отрицательному значению вычисленного коэфф. местного "
             u"сопротивления "
             u"Gi:-0.5. Введите корректные значения!"_s},
            SectionDialogField::Coefficient},
        {u"zero area", FittingKind::Straight, u"0"_s, u"1"_s, u"0"_s,
            {u"0 не может быть меньше или равно нулю?!"_s}, SectionDialogField::Area},
        {u"unreadable parameter", FittingKind::Confuser, u"1"_s, u"1.5"_s, u"0,1"_s,
            badNumberMessages(u"1.5"_s), SectionDialogField::Parameter},
    };
    for (const auto& c : refused) {
        SectionDialogTexts t;
        applyKindChange(t, c.kind);
        t.area = c.area;
        t.parameter = c.parameter;
        t.coefficient = c.coefficient;
        const SectionDialogOutcome outcome = acceptSection(t, comma);
        EXPECT_FALSE(outcome.entry) << QString::fromUtf16(c.what).toStdString();
        EXPECT_EQ(outcome.messages, c.messages) << QString::fromUtf16(c.what).toStdString();
        EXPECT_EQ(outcome.focus, c.focus) << QString::fromUtf16(c.what).toStdString();
    }
}

TEST(FittingsTest, DiffuserKeepsItsHalfAngle)
{
    SectionDialogTexts t;
    applyKindChange(t, FittingKind::Diffuser);
    t.parameter = u"2"_s;
    t.halfAngle = u"10"_s;
    t.coefficient = u"0.0496"_s;
    const SectionDialogOutcome outcome = acceptSection(t, QLatin1Char('.'));
    ASSERT_TRUE(outcome.entry);
    EXPECT_EQ(outcome.entry->halfAngle, 10);
    SectionDialogTexts straight;
    straight.coefficient = u"0"_s;
    EXPECT_EQ(acceptSection(straight, QLatin1Char('.')).entry->halfAngle, 1);
}
