#include "pressurization/SupplyPages.h"
#include "SupplyFixtures.h"
#include "common/NumberText.h"
#include "pressurization/SupplyDuct.h"
#include "pressurization/SupplyWizard.h"

#include <gtest/gtest.h>

using namespace pressurization;
using namespace Qt::StringLiterals;

namespace {

constexpr QChar dot = QLatin1Char('.');

SupplyPageReading readPage(int page, const SupplyProject& p, calcreport::InputLines& lines)
{
    SupplyValues values;
    return readSupplyPage(page, p, values, lines, dot);
}

TEST(SupplyPages, GeneralPageReadsInOrderAndStopsAtTheFirstBadBox)
{
    struct Case {
        QString SupplyProject::*box;
        QString text;
        SupplyField focus;
        bool unreadable;
        int linesBefore; // lines written before the refusal, the project name included
    };
    const Case cases[] = {
        {&SupplyProject::outdoorTemperature, u"15,5"_s, SupplyField::OutdoorTemperature, true, 1},
        {&SupplyProject::windSpeed, u"0"_s, SupplyField::WindSpeed, false, 2},
        {&SupplyProject::floors, u"-3"_s, SupplyField::Floors, false, 3},
        {&SupplyProject::storeyHeight, u"abc"_s, SupplyField::StoreyHeight, true, 4},
        {&SupplyProject::doors, u"0.4"_s, SupplyField::Doors, false, 5},
        {&SupplyProject::leafWidth, u"-1"_s, SupplyField::LeafWidth, false, 6},
        {&SupplyProject::lifts, u""_s, SupplyField::Lifts, true, 7},
        {&SupplyProject::entranceArea, u"0"_s, SupplyField::EntranceArea, false, 8},
        {&SupplyProject::smokeFlow, u"0"_s, SupplyField::SmokeFlow, false, 9},
    };
    for (const Case& c : cases) {
        SupplyProject p;
        p.*c.box = c.text;
        calcreport::InputLines lines;
        const SupplyPageReading reading = readPage(1, p, lines);
        SCOPED_TRACE(supplyFieldControl(c.focus).toStdString());
        EXPECT_FALSE(reading.ok);
        EXPECT_EQ(reading.focus, c.focus);
        EXPECT_EQ(supplyFieldPage(reading.focus), 1);
        const QStringList expected = c.unreadable
            ? badNumberMessages(c.text)
            : QStringList {c.text + u" не может быть меньше или равно нулю!"_s};
        EXPECT_EQ(reading.messages, expected);
        EXPECT_EQ(static_cast<int>(lines.size()), c.linesBefore);
    }
}

TEST(SupplyPages, GeneralPageRefusesValuesTheFormulasHaveNoCaseFor)
{
    struct Case {
        QString SupplyProject::*box;
        QString text;
        SupplyField focus;
        QString message;
        int linesBefore;
    };
    const QString lifts = u"Число лифтов в секции m должно быть от 2 до 4."_s;
    const QString absoluteZero = u"Температура наружного воздуха должна быть выше -273 °C."_s;
    const Case cases[] = {
        {&SupplyProject::outdoorTemperature, u"-273"_s, SupplyField::OutdoorTemperature, absoluteZero, 1},
        {&SupplyProject::outdoorTemperature, u"-300"_s, SupplyField::OutdoorTemperature, absoluteZero, 1},
        {&SupplyProject::lifts, u"1"_s, SupplyField::Lifts, lifts, 7},
        {&SupplyProject::lifts, u"5"_s, SupplyField::Lifts, lifts, 7},
        {&SupplyProject::lifts, u"4.6"_s, SupplyField::Lifts, lifts, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        SupplyProject p;
        p.*c.box = c.text;
        calcreport::InputLines lines;
        const SupplyPageReading reading = readPage(1, p, lines);
        EXPECT_FALSE(reading.ok);
        EXPECT_EQ(reading.focus, c.focus);
        EXPECT_EQ(reading.messages, QStringList {c.message});
        EXPECT_EQ(static_cast<int>(lines.size()), c.linesBefore);
    }
    // Values the formulas provide for: four lifts, twenty doors, a frosty day.
    SupplyProject p;
    p.lifts = u"4"_s;
    p.doors = u"20"_s;
    p.outdoorTemperature = u"-50"_s;
    calcreport::InputLines lines;
    EXPECT_TRUE(readPage(1, p, lines).ok);
}

TEST(SupplyPages, GeneralPageAcceptsAndWritesTheTambour)
{
    SupplyProject p;
    p.tambour = 1;
    p.doors = u"8"_s;
    calcreport::InputLines lines;
    SupplyValues values;
    ASSERT_TRUE(readSupplyPage(1, p, values, lines, dot).ok);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0].caption, u"Наименование проекта"_s);
    EXPECT_EQ(lines[9].caption, u"Расход дыма, удаляемого противодымной вентиляцией, Gд"_s);
    EXPECT_EQ(lines[9].unit, calcreport::ReportUnit::KilogramPerHour);
    EXPECT_EQ(lines[10].value, u"Другой"_s);
    EXPECT_FALSE(values.directTambour);
    EXPECT_EQ(values.doors, 8);
}

TEST(SupplyPages, ZoneSchemeChecksItsStoreysBeforeWritingTheScheme)
{
    SupplyProject p;
    p.schemeShaft = false;
    p.schemeZones = true;
    p.zoneFloors = u"0"_s;
    calcreport::InputLines lines;
    SupplyPageReading reading = readPage(2, p, lines);
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.focus, SupplyField::ZoneFloors);
    EXPECT_TRUE(lines.empty());

    // A zone taller than the building (ten storeys, as page 1 accepted them).
    p.zoneFloors = u"11"_s;
    reading = readPage(2, p, lines);
    EXPECT_FALSE(reading.ok);
    EXPECT_EQ(reading.focus, SupplyField::ZoneFloors);
    EXPECT_EQ(supplyFieldControl(reading.focus), u"Input_Nz"_s);
    EXPECT_EQ(reading.messages,
        QStringList {u"Число этажей в зоне Nз не может быть больше числа этажей в здании N."_s});
    EXPECT_TRUE(lines.empty());

    for (const QString& zone : {u"6"_s, u"10"_s}) {
        p.zoneFloors = zone;
        lines.clear();
        reading = readPage(2, p, lines);
        EXPECT_TRUE(reading.ok);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].value, supplySchemeText(SupplyScheme::Zones));
        EXPECT_EQ(lines[1].caption, u"Число этажей в зоне, Nз"_s);
        EXPECT_EQ(lines[1].value, zone);
    }
}

TEST(SupplyPages, SectionTablesOfTheThreeFans)
{
    SupplyProject p;
    const QString messages[] = {u"Не задана площадь сечения и/или длина участка!"_s,
        u"Не задана площадь сечения и/или длина участка?!"_s,
        u"Не задана площадь сечения и/или длина участка?!"_s};
    for (int fan = 0; fan < 3; ++fan) {
        calcreport::InputLines lines;
        const SupplyPageReading reading = readPage(3 + fan, p, lines);
        EXPECT_FALSE(reading.ok);
        EXPECT_EQ(reading.messages, QStringList {messages[fan]});
        EXPECT_EQ(reading.focus, static_cast<SupplyField>(static_cast<int>(SupplyField::Sections1) + fan));
    }

    // Two sections, the second a sudden contraction (kind 7, a kind the smoke shaft does not have).
    sections::SectionEntry contraction;
    contraction.area = 0.4;
    contraction.length = 1;
    contraction.coefficient = 0.25;
    contraction.material = u"Металл"_s;
    contraction.roughness = 1;
    sections::SectionTable table = straightDuctTable();
    table.add(contraction, dot);
    sections::SectionRow row = table.row(1);
    row[sections::KindColumn] = u"7"_s;
    table.setRows({table.row(0), row});
    p.sections[1] = table;
    calcreport::InputLines lines;
    SupplyValues values;
    ASSERT_TRUE(readSupplyPage(4, p, values, lines, dot).ok);
    ASSERT_EQ(values.sections[1].size(), 2u);
    EXPECT_EQ(values.sections[1][1].kind, static_cast<int>(SupplyFittingKind::SuddenContraction));
    EXPECT_EQ(lines.front().kind, u"Параметры участков подвода ВЕНТИЛЯТОР 2"_s);
    EXPECT_TRUE(lines.front().caption.isEmpty());
    EXPECT_EQ(lines[1].caption, u"Число участков разного проходного сечения"_s);
    EXPECT_EQ(lines.back().caption, u"Коэфф. сопротивлениия участка 2"_s);
    // A straight section is given by its diameter, the others by their area.
    EXPECT_EQ(lines[2].caption, u"Диаметр участка 1"_s);
    EXPECT_EQ(lines[2].value, u"0.5"_s);
    EXPECT_EQ(lines[2].unit, calcreport::ReportUnit::Metre);
    EXPECT_EQ(lines[6].caption, u"Площадь сечения участка 2"_s);
    EXPECT_EQ(lines[6].unit, calcreport::ReportUnit::SquareMetre);
}

TEST(SupplyWizard, RunsThePagesOfTheSchemeUpToTheCalculation)
{
    struct Case {
        bool SupplyProject::*scheme;
        int fans;
    };
    const Case cases[] = {{&SupplyProject::schemeShaft, 1}, {&SupplyProject::schemeJoint, 1},
        {&SupplyProject::schemeSeparate, 2}, {&SupplyProject::schemeZones, 3}};
    for (const Case& c : cases) {
        SupplyProject p = projectWithDucts();
        p.schemeShaft = false;
        p.*c.scheme = true;
        p.zoneFloors = u"6"_s;
        const SupplyRun run = runSupplyProject(p, dot);
        ASSERT_TRUE(run.wizard.result()) << c.fans << run.messages.join(u'\n').toStdString();
        EXPECT_FALSE(run.stoppedAtPage);
        EXPECT_EQ(static_cast<int>(run.wizard.result()->fans.size()), c.fans);
        EXPECT_EQ(run.wizard.page(), 2 + c.fans);
    }

    // A new window's empty table of fan 1 stops the run on page 3.
    const SupplyRun empty = runSupplyProject(SupplyProject {}, dot);
    EXPECT_FALSE(empty.wizard.result());
    EXPECT_EQ(empty.stoppedAtPage, 3);
    EXPECT_EQ(empty.messages, QStringList {u"Не задана площадь сечения и/или длина участка!"_s});
}

// A refused fan duty ends the run on the scheme's last page: the report keeps the calculation that led
// to it, nothing is handed on.
TEST(SupplyWizard, RefusedDutyKeepsTheCalculationInTheReportAndHandsNothingOn)
{
    SupplyProject p = projectWithDucts();
    p.schemeShaft = false;
    p.schemeZones = true;
    const SupplyRun run = runSupplyProject(p, dot);
    EXPECT_FALSE(run.wizard.result());
    EXPECT_EQ(run.stoppedAtPage, 5);
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_TRUE(run.messages.first().startsWith(u"Расход вентилятора 1 получается равным нулю"_s));
    const QByteArray& report = run.wizard.report().document();
    EXPECT_TRUE(report.contains("(14c)")) << "the whole calculation up to the fans' summary";
    EXPECT_TRUE(report.contains("-3975")) << "fan 1's flow as computed";
    EXPECT_FALSE(report.contains("nan"));
}

} // namespace
