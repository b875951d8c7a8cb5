#include "smoke/SmokeCalculation.h"
#include "smoke/SmokeFixtures.h"
#include "smoke/SmokeWizard.h"

#include <gtest/gtest.h>

using namespace smoke;
using namespace Qt::StringLiterals;

TEST(SmokeCalculationTest, DoorTableIsInterpolatedAndHeldAtItsEnds)
{
    const struct {
        double width;
        bool residential;
        double expected;
    } cases[] = {
        {1.0, true, 0.78},
        {0.5, true, 1.0},
        {0.6, true, 1.0},
        {2.4, true, 0.41},
        {3.0, true, 0.41},
        {1.2, false, 0.8},
        {1.25, false, 0.71},
        {0.1, false, 1.05},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(doorCoefficient(c.width, c.residential), c.expected, 1e-12) << c.width;
}

TEST(SmokeCalculationTest, ResidentialSmokeFlow)
{
    SmokeProject p = residentialProject();
    const SmokeRun run = runSmokeProject(p, dot);
    ASSERT_TRUE(run.wizard.result()) << run.messages.join(u'\n').toStdString();
    const SmokeResult& r = *run.wizard.result();
    EXPECT_EQ(r.formula, SmokeFlowFormula::Residential);
    EXPECT_NEAR(*r.doorCoefficient, 0.78, 1e-12);
    EXPECT_NEAR(r.smokeFlow, 7545, 0.5);

    p.bySnip = false;
    p.byRecommendation = true;
    const SmokeRun recommended = runSmokeProject(p, dot);
    EXPECT_EQ(*recommended.wizard.result()->doorCoefficient, 1.0);
}

// The whole chain for a corridor with two shaft sections and an outlet duct, against values worked out
// independently of the program.
TEST(SmokeCalculationTest, CorridorWithTwoSectionsAndOutlet)
{
    const SmokeRun run = runSmokeProject(corridorProject(), dot);
    ASSERT_TRUE(run.wizard.result()) << run.messages.join(u'\n').toStdString();
    EXPECT_TRUE(run.messages.isEmpty());
    const SmokeResult& r = *run.wizard.result();
    const struct {
        const char* name;
        double actual, expected;
    } values[] = {
        {"G", r.smokeFlow, 10049.827738989363},
        {"vk", r.valveVelocity, 6.3328389816162405},
        {"pk", r.valveLoss, 47.13930120289287},
        {"vo", r.branchVelocity, 2.849777541727308},
        {"po", r.branchLoss, 0.7474879350213264},
        {"v1", r.sections[0].velocity, 5.845697521491913},
        {"d2", r.sections[1].diameter, 1.2360774464742066},
        {"p2", r.sections[1].pressureLoss, 1.6794928839111123},
        {"sum psh", r.shaftLoss, 2.803722361248047},
        {"p1", r.firstSectionLoss, 49.011018615251125},
        {"Gk", r.valveLeak, 3724.1386523635497},
        {"Ksh", r.shaftLeakCoefficient, 0.005644510450013989},
        {"Gsh", r.shaftLeak, 0.5672635769356592},
        {"Gc", r.totalFlow, 13774.533654929848},
        {"rho", r.fanDensity, 0.7711769504364827},
        {"Tv", r.fanTemperature, 184.74189672059515},
        {"Pk", r.correctedLoss, 72.95910048413717},
        {"Vo", *r.outletVelocity, 6.014499643258593},
        {"Po", r.outletLoss, 49.38984920235723},
        {"Pt", r.draught, 14.723639406763365},
        {"Qv", r.fanFlow, 17861.703007504988},
        {"Pv", r.fanPressure, 175.65904713579283},
    };
    for (const auto& v : values)
        EXPECT_NEAR(v.actual, v.expected, 1e-9 * std::max(1.0, std::abs(v.expected))) << v.name;
    EXPECT_TRUE(r.roughShaft); // the last section is brick
    EXPECT_EQ(*smokeDuty(run.wizard), (SmokeDuty {r.fanFlow, r.fanPressure, false, false}));
}

TEST(SmokeCalculationTest, CaseRulesOfTheFormulas)
{
    const auto calculate = [](const SmokeProject& p) {
        const SmokeRun run = runSmokeProject(p, dot);
        EXPECT_TRUE(run.wizard.result()) << run.messages.join(u'\n').toStdString();
        return run.wizard.result().value_or(SmokeResult {});
    };
    SmokeProject corridor = corridorProject();
    corridor.evacuees = u"24"_s;
    EXPECT_EQ(*calculate(corridor).evacueeCoefficient, 0.8);
    corridor.evacuees = u"25"_s;
    EXPECT_EQ(*calculate(corridor).evacueeCoefficient, 1.0);

    SmokeProject room = roomProject(u"4"_s, u"12"_s);
    EXPECT_EQ(calculate(room).formula, SmokeFlowFormula::Room);
    EXPECT_NEAR(calculate(room).smokeFlow, 676.8 * 12 * 8, 1e-9);
    room.curtainHeight = u"4.01"_s;
    EXPECT_EQ(calculate(room).formula, SmokeFlowFormula::LargeFire);

    // A large room makes the smoke heavier before every later formula.
    SmokeProject large = roomProject(u"5"_s, u"12"_s);
    large.roomArea = u"2525"_s;
    EXPECT_NEAR(calculate(large).smokeWeight, 4.005, 1e-12);
    large.roomArea = u"2500"_s;
    EXPECT_EQ(calculate(large).smokeWeight, 4.0);

    // A sprinklered room takes Pf = 12, y = 2.5, whatever was typed for a reservoir.
    SmokeProject sprinkler = roomProject(u"5"_s, u"0"_s);
    sprinkler.reservoir = false;
    sprinkler.sprinkler = true;
    const SmokeResult sprinklered = calculate(sprinkler);
    EXPECT_EQ(sprinklered.formula, SmokeFlowFormula::Room);
    EXPECT_NEAR(sprinklered.smokeFlow, 676.8 * 12 * std::pow(2.5, 1.5), 1e-9);

    // Without valves on branches the branch is the valve.
    SmokeProject noBranch = corridorProject();
    noBranch.branchValves = false;
    noBranch.noBranchValves = true;
    const SmokeResult direct = calculate(noBranch);
    EXPECT_EQ(direct.branchLoss, 0);
    EXPECT_DOUBLE_EQ(direct.branchVelocity, direct.valveVelocity);

    // The roughness of the last section chooses the leak coefficient; Kш follows Σpш.
    SmokeProject concrete = corridorProject();
    QList<sections::SectionRow> rows = concrete.sections.rows();
    rows[1][sections::RoughnessColumn] = u"1.7"_s;
    concrete.sections.setRows(rows);
    const SmokeResult smooth = calculate(concrete);
    EXPECT_FALSE(smooth.roughShaft);
    EXPECT_DOUBLE_EQ(smooth.shaftLeakCoefficient,
        0.004 * std::pow(smooth.shaftLoss, 0.67) / (smooth.meanDiameter * smooth.sections.back().velocity));

    // A roof fan has no outlet duct.
    SmokeProject roof = corridorProject();
    roof.fanType = 0;
    const SmokeResult roofResult = calculate(roof);
    EXPECT_EQ(roofResult.outletLoss, 0);
    EXPECT_FALSE(roofResult.outletVelocity);
}

TEST(SmokeCalculationTest, InputsTheFormulasCannotTakeAreRefusedWithAMessage)
{
    const struct {
        const char* what;
        SmokeProject project;
        int page;
    } cases[] = {
        {"negative section area", withSectionCell(corridorProject(), 1, sections::AreaColumn, u"-1"_s), 5},
        {"negative branch length",
            [] {
                SmokeProject p = corridorProject();
                p.branchLength = u"-1000"_s;
                return p;
            }(),
            5},
        {"absolute zero outdoors",
            [] {
                SmokeProject p = roomProject(u"5"_s, u"12"_s);
                p.outdoorTemperature = u"-273"_s;
                return p;
            }(),
            2},
        {"heavy smoke in a huge room",
            [] {
                SmokeProject p = roomProject(u"5"_s, u"12"_s);
                p.roomArea = u"100000"_s;
                p.windSpeed = u"0"_s;
                return p;
            }(),
            5},
    };
    for (const auto& c : cases) {
        const SmokeRun run = runSmokeProject(c.project, dot);
        EXPECT_FALSE(run.wizard.result()) << c.what;
        EXPECT_EQ(run.stoppedAtPage, c.page) << c.what;
        ASSERT_FALSE(run.messages.isEmpty()) << c.what;
        EXPECT_FALSE(run.wizard.report().document().contains("nan")) << c.what;
        EXPECT_FALSE(run.wizard.report().document().contains("inf")) << c.what;
    }
}

// A typed whole number beyond the cases of its formula is refused on its page with the focus on its box:
// ΣA has formulas for one to three doors in a row, and a corridor or a residential floor takes at most two
// valves.
TEST(SmokeCalculationTest, WholeNumbersBeyondTheirFormulasAreRefusedOnTheirPage)
{
    const QString doors = u"Количество последовательных дверей Kd должно быть от 1 до 3."_s;
    const QString valves2 = u"Количество клапанов дымоудаления на одном этаже Nк должно быть от 1 до 2."_s;
    const QString valves4 = u"Количество клапанов дымоудаления на одном этаже Nк должно быть от 1 до 4."_s;
    const auto largeFire = [](const QString& doorCount) {
        SmokeProject p = roomProject(u"5"_s, u"12"_s);
        p.doorCount = doorCount;
        p.heightDifference = u"1"_s;
        return p;
    };
    const auto valves = [](SmokeProject p, const QString& count) {
        p.valvesPerFloor = count;
        return p;
    };
    // A low shaft, so that the small fire's losses outweigh the draught of its hot smoke.
    SmokeProject room = roomProject(u"2"_s, u"5"_s);
    room.heightDifference = u"1"_s;
    const struct {
        const char* what;
        SmokeProject project;
        int page;
        QString message;
        SmokeField focus;
    } refused[] = {
        {"four doors in a row", largeFire(u"4"_s), 2, doors, SmokeField::DoorCount},
        {"three and a half doors", largeFire(u"3.6"_s), 2, doors, SmokeField::DoorCount},
        {"three valves in a corridor", valves(corridorProject(), u"3"_s), 3, valves2,
            SmokeField::ValvesPerFloor},
        {"three valves on a residential floor", valves(residentialProject(), u"3"_s), 3, valves2,
            SmokeField::ValvesPerFloor},
        {"five valves in a room", valves(room, u"5"_s), 3, valves4, SmokeField::ValvesPerFloor},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.what);
        const SmokeRun run = runSmokeProject(c.project, dot);
        EXPECT_FALSE(run.wizard.result());
        EXPECT_EQ(run.stoppedAtPage, c.page);
        EXPECT_EQ(run.messages, QStringList {c.message});
        SmokeWizard wizard;
        for (int page = 1; page < c.page; ++page)
            ASSERT_TRUE(wizard.next(c.project, dot).ok);
        EXPECT_EQ(wizard.next(c.project, dot).focus, c.focus);
    }

    // The largest values the formulas take: three doors, two valves in a corridor, four in a room.
    for (const SmokeProject& p :
        {largeFire(u"3"_s), valves(corridorProject(), u"2"_s), valves(room, u"4"_s)}) {
        const SmokeRun run = runSmokeProject(p, dot);
        EXPECT_TRUE(run.wizard.result()) << run.messages.join(u'\n').toStdString();
    }
}

// A duty no fan can be selected for is not handed on: the report shows how it came about.
TEST(SmokeCalculationTest, DutyOfZeroOrLessIsRefusedWithItsCause)
{
    for (const QString& difference : {u"100"_s, u"50"_s}) {
        SCOPED_TRACE(difference.toStdString());
        SmokeProject p = corridorProject();
        p.heightDifference = difference;
        const SmokeRun run = runSmokeProject(p, dot);
        EXPECT_FALSE(run.wizard.result());
        EXPECT_FALSE(smokeDuty(run.wizard));
        EXPECT_EQ(run.stoppedAtPage, 5);
        ASSERT_EQ(run.messages.size(), 1);
        EXPECT_TRUE(run.messages.first().startsWith(
            u"Давление вентилятора получается равным нулю или меньше нуля ("_s))
            << run.messages.first().toStdString();
        EXPECT_TRUE(run.messages.first().contains(
            u"Естественная тяга Pт при перепаде высот dH больше потерь давления в сети."_s));
        EXPECT_TRUE(
            run.messages.first().endsWith(u"Исходные данные вне области применения методики расчета."_s));
        EXPECT_TRUE(run.wizard.report().document().contains("(45)"));
    }
    SmokeProject p = corridorProject();
    p.heightDifference = u"100"_s;
    EXPECT_TRUE(runSmokeProject(p, dot).messages.first().contains(u"(-230 Па)"_s));
}
