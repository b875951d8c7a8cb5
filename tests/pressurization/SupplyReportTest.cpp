#include "SupplyFixtures.h"
#include "calcreport/ReportBlocks.h"
#include "pressurization/SupplyForm.h"
#include "pressurization/SupplyWizard.h"
#include "support/TestSupport.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace pressurization;
using namespace Qt::StringLiterals;

namespace {

constexpr QChar comma = QLatin1Char(',');

QByteArray escaped(const QString& text)
{
    return calcreport::escapedSymbol(text);
}

QStringList blockLabels(const QByteArray& document)
{
    QStringList labels;
    static const QRegularExpression label(uR"(\\b \(([0-9a-c]+)\)\\tab)"_s);
    for (const auto& match : label.globalMatch(QString::fromLatin1(document)))
        labels << match.captured(1);
    return labels;
}

SupplyProject withScheme(bool SupplyProject::*scheme)
{
    SupplyProject p = projectWithDucts();
    p.schemeShaft = false;
    p.*scheme = true;
    return p;
}

// A zone project as typed where the separator is ",": a tall building in winter, another tambour.
SupplyProject zoneProject()
{
    SupplyProject p = withScheme(&SupplyProject::schemeZones);
    p.projectName = u"Жилой дом, секция 1"_s;
    p.outdoorTemperature = u"-10"_s;
    p.floors = u"24"_s;
    p.doors = u"8"_s;
    p.tambour = 1;
    p.zoneFloors = u"10"_s;
    p.storeyHeight = u"2,8"_s;
    for (auto& table : p.sections)
        table.setRows({sections::sectionRowCells(
            {0.5, 10, 0, u"Металл"_s, 1, sections::FittingKind::Straight, 1, 1}, comma)});
    return p;
}

TEST(SupplyReportTest, WholeReportOfTheZoneSchemeIsTheStoredText)
{
    const SupplyRun run = runSupplyProject(zoneProject(), comma);
    ASSERT_TRUE(run.wizard.result()) << run.messages.join(u'\n').toStdString();
    EXPECT_EQ(run.wizard.report().document(), fixtureBytes(u"pressurization"_s, u"zones.rtf"_s));
}

TEST(SupplyReportTest, BlocksFollowTheScheme)
{
    struct Case {
        bool SupplyProject::*scheme;
        QStringList labels;
    };
    const Case cases[] = {
        {&SupplyProject::schemeShaft, {u"1"_s, u"2"_s, u"2a"_s, u"3"_s, u"4"_s, u"4a"_s, u"5"_s}},
        {&SupplyProject::schemeJoint,
            {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"6a"_s, u"7"_s, u"8"_s, u"9"_s}},
        {&SupplyProject::schemeSeparate,
            {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"6a"_s, u"7"_s, u"7a"_s, u"8"_s, u"8a"_s,
                u"9a"_s, u"9b"_s}},
        {&SupplyProject::schemeZones,
            {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"6a"_s, u"7"_s, u"7a"_s, u"8"_s, u"9"_s,
                u"10"_s, u"11"_s, u"12"_s, u"12a"_s, u"12b"_s, u"13a"_s, u"13b"_s, u"13c"_s, u"14a"_s,
                u"14b"_s, u"14c"_s}},
    };
    for (const Case& c : cases) {
        SupplyProject p = withScheme(c.scheme);
        p.zoneFloors = u"6"_s;
        const SupplyRun run = runSupplyProject(p, QLatin1Char('.'));
        ASSERT_TRUE(run.wizard.result()) << run.messages.join(u'\n').toStdString();
        const QByteArray document = run.wizard.report().document();
        EXPECT_EQ(blockLabels(document), c.labels);
        // The first block follows the heading after a single paragraph mark; the part closes its group.
        EXPECT_TRUE(document.contains(R"(\pard\fi118\b0\par\b (1)\tab)"));
        EXPECT_TRUE(document.endsWith("\\par\\par }}"));
        EXPECT_FALSE(document.contains("nan") || document.contains("inf")) << c.labels.size();
    }
}

TEST(SupplyReportTest, BlocksThatDependOnTheInputs)
{
    const auto document = [](SupplyProject p) {
        const SupplyRun run = runSupplyProject(p, QLatin1Char('.'));
        EXPECT_TRUE(run.wizard.result()) << run.messages.join(u'\n').toStdString();
        return run.wizard.report().document();
    };
    // Scheme S: a leaf of 0.6 m needs no correction; four lifts have no formula of Gш1, only the title.
    SupplyProject narrow = projectWithDucts();
    narrow.leafWidth = u"0.6"_s;
    narrow.lifts = u"4"_s;
    const QByteArray shaft = document(narrow);
    EXPECT_FALSE(blockLabels(shaft).contains(u"2a"_s));
    const QByteArray titleOnly = R"(\par\par\b (2)\tab)"
        + escaped(u"Расход воздуха, выходящего на 1-м этаже"_s) + R"(\par\par\b (3)\tab)";
    EXPECT_TRUE(shaft.contains(titleOnly));

    // Scheme J writes Pкш = 100 as a taken value.
    const QByteArray taken = R"(\b0  = 100 = \b 100)" + escaped(u" Па"_s);
    EXPECT_TRUE(document(withScheme(&SupplyProject::schemeJoint)).contains(taken));

    // Scheme D: Pкш from the shaft table changes the title of block 2.
    SupplyProject separate = withScheme(&SupplyProject::schemeSeparate);
    const QByteArray plainTitle = escaped(u"Разность давлений в лестничной шахте и лестничной клетке"_s);
    const QByteArray tableTitle = escaped(u" (в зависимости от N, m, n, Pвс)"_s);
    EXPECT_TRUE(document(separate).contains(QByteArray(plainTitle + R"(\par P)")));
    separate.windSpeed = u"10"_s;
    separate.doors = u"16"_s;
    EXPECT_TRUE(document(separate).contains(QByteArray(plainTitle + tableTitle + R"(\par P)")));
}

// The smoke flow removed is Gд with the Cyrillic д, in the box's label, the input line and the formulas.
TEST(SupplyReportTest, SmokeFlowIsWrittenGWithTheCyrillicDe)
{
    const QString gd = u"G"_s + QChar(0x0434);
    QString label;
    for (const auto& input : supplyFormInputs()) {
        if (input.control == u"Input_G"_s)
            label = input.label;
    }
    EXPECT_TRUE(label.endsWith(gd + u":"_s)) << label.toStdString();
    const SupplyRun run = runSupplyProject(withScheme(&SupplyProject::schemeJoint), QLatin1Char('.'));
    const QByteArray document = run.wizard.report().document();
    EXPECT_TRUE(document.contains(QByteArray(escaped(u"противодымной вентиляцией, "_s + gd) + ":")));
    EXPECT_TRUE(document.contains(QByteArray("+ G" + escaped(u"д"_s) + " = "))) << "block 6";
    EXPECT_FALSE(document.contains("Gd"));
}

} // namespace
