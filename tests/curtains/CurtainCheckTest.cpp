#include "CurtainFixtures.h"

#include "curtains/CurtainProjectFile.h"

#include <functional>

using namespace curtains;
using namespace curtains::testing;
using namespace Qt::StringLiterals;

namespace {

const QString orkJetWhy = u"Средняя температура струи должна быть меньше, чем сумма температуры воздуха "
                          u"внутри помещения и понижения "
                          u"температуры воздуха в завесе, и больше полусуммы температур наружного воздуха и "
                          u"воздуха внутри помещения. "
                          u"Уточните исходные данные."_s;

TEST(CurtainCheckTest, RefusalsSayWhyAndNameTheField)
{
    struct Case {
        const char* what;
        Series series;
        std::function<void(CurtainInputs&)> change;
        QString message; // the whole message, or its beginning when it ends with "…"
        CurtainField field;
    };
    const Case cases[] = {
        {"width", Series::Ork, [](CurtainInputs& in) { in.B = 0; },
            u"Ширина воротного проема, B не может быть меньше или равна 0?!"_s, CurtainField::B},
        {"height", Series::Pln, [](CurtainInputs& in) { in.H = -1; },
            u"Высота воротного проема, H не может быть меньше или равна 0?!"_s, CurtainField::H},
        {"wind", Series::Tem, [](CurtainInputs& in) { in.v = -0.5; },
            u"Скорость ветра, v: не может быть меньше нуля?!"_s, CurtainField::V},
        // The boxes stop at 50: a value beyond is refused like the other box values.
        {"width beyond its box", Series::Ork, [](CurtainInputs& in) { in.B = 60; },
            u"Ширина воротного проема, B не может быть больше 50 м?!"_s, CurtainField::B},
        {"height beyond its box", Series::Tem, [](CurtainInputs& in) { in.H = 50.5; },
            u"Высота воротного проема, H не может быть больше 50 м?!"_s, CurtainField::H},
        {"wind beyond its box", Series::Pln, [](CurtainInputs& in) { in.v = 51; },
            u"Скорость ветра, v: не может быть больше 50 м/с?!"_s, CurtainField::V},
        {"heater in a warm climate", Series::Ork,
            [](CurtainInputs& in) {
                in.heater = HeaterKind::Electric;
                in.tn = 25;
            },
            u"Температура воздуха внутри помещения должна быть больше чем снаружи?!…"_s, CurtainField::Tv},
        {"equal temperatures", Series::Pln, [](CurtainInputs& in) { in.tn = 20; },
            u"Температура воздуха внутри помещения не может быть равна температуре воздуха снаружи. Расчет "
            u"не имеет "
            u"смысла. Уточните исходные данные."_s,
            CurtainField::Tv},
        {"jet at the lower bound", Series::Ork, [](CurtainInputs& in) { in.tc = 0; },
            u"0^С  <  Ср.темп-ра струи 0  <  20^С\n\n"_s + orkJetWhy, CurtainField::Tc},
        {"jet at the upper bound with the heater", Series::Ork,
            [](CurtainInputs& in) {
                in.heater = HeaterKind::Steam; // Δt = 20
                in.tc = 40;
                in.tn = -20.555;
            },
            u"-0.28^С  <  Ср.темп-ра струи 40  <  40^С\n\n"_s + orkJetWhy, CurtainField::Tc},
        {"ТЕМ writes °C", Series::Tem, [](CurtainInputs& in) { in.tc = 25.5; },
            u"0°C  <  Ср.темп-ра струи 25.5  <  20°C\n\n…"_s, CurtainField::Tc},
        {"ПЛН bounds the jet by the indoor air", Series::Pln,
            [](CurtainInputs& in) {
                in.heater = HeaterKind::Electric;
                in.tc = 20;
            },
            u"0^С  <  Ср.темп-ра струи 20  <  20^С\n\nСредняя температура струи должна быть меньше "
            u"температуры воздуха "
            u"внутри помещения и больше полусуммы температур наружного воздуха и воздуха внутри помещения. "
            u"Уточните "
            u"исходные данные."_s,
            CurtainField::Tc},
        {"outdoor air warmer", Series::Ork,
            [](CurtainInputs& in) {
                in.tn = 30;
                in.tc = 26;
            },
            u"20^С  <  Ср.темп-ра струи 26  <  25^С\n\nСредняя температура струи должна быть больше, чем сумма…"_s,
            CurtainField::Tc},
        {"water out not below water in", Series::Tem,
            [](CurtainInputs& in) {
                in.heater = HeaterKind::Water;
                in.tw2 = 80;
            },
            u"Температура воды на выходе не может быть больше или равна температуре воды на входе. Уточните "
            u"исходные "
            u"данные."_s,
            CurtainField::Tw1},
        {"water no warmer than the room", Series::Ork,
            [](CurtainInputs& in) {
                in.heater = HeaterKind::Water;
                in.tw1 = 20;
                in.tw2 = 10;
            },
            u"Температура воды на входе должна быть больше температуры воздуха внутри помещения?! Уточните "
            u"исходные данные."_s,
            CurtainField::Tw1},
        {"ПЛН water colder than the room", Series::Pln,
            [](CurtainInputs& in) {
                in.heater = HeaterKind::Water;
                in.tw1 = 15;
                in.tw2 = 10;
            },
            u"Температура воды на входе должна быть больше температуры воздуха внутри помещения?!…"_s,
            CurtainField::Tw1},
        {"no air through the gate", Series::Ork,
            [](CurtainInputs& in) {
                in.tn = 30;
                in.tc = 24;
                in.v = 0;
            },
            u"Наружный воздух не входит в открытый проем…"_s, CurtainField::Tn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CurtainInputs in = defaultCurtainInputs(c.series);
        c.change(in);
        const CurtainOutcome outcome = calculateCurtain(in, fakeCatalogue(), QLatin1Char('.'));
        EXPECT_FALSE(outcome.run);
        if (c.message.endsWith(u'…'))
            EXPECT_TRUE(outcome.refusal.message.startsWith(c.message.chopped(1)))
                << outcome.refusal.message.toStdString();
        else
            EXPECT_EQ(outcome.refusal.message, c.message);
        EXPECT_EQ(outcome.refusal.field, c.field);
    }
}

TEST(CurtainCheckTest, WindThatBreaksThroughTheJetGivesNoEfficiency)
{
    CurtainInputs in = defaultCurtainInputs(Series::Ork);
    in.v = 50;
    const CurtainOutcome outcome = calculateCurtain(in, fakeCatalogue(), QLatin1Char('.'));
    EXPECT_FALSE(outcome.run);
    EXPECT_EQ(outcome.refusal.message, noEfficiencyMessage());
    ASSERT_TRUE(outcome.partial);
    EXPECT_LT(outcome.partial->balance.lambda, 0);
    EXPECT_FALSE(outcome.partial->balance.efficiency);
    // A strong wind the jet still holds gives a poor but real efficiency.
    in.v = 20;
    const CurtainRun held = runOf(in);
    EXPECT_GE(held.balance.lambda, 0);
    EXPECT_TRUE(held.balance.efficiency);
}

// A curtain whose flow falls short of the required flow beyond what its selection table allows keeps its
// numbers and says so.
TEST(CurtainCheckTest, CurtainShortOfTheRequiredFlowIsSaid)
{
    struct Case {
        const char* what;
        Series series;
        std::function<void(CurtainInputs&)> change;
        double flow; // of the chosen curtain, m³/h
        bool short_;
    };
    const Case cases[] = {
        {"ОРК defaults: 16500 serves 16259", Series::Ork, [](CurtainInputs&) {}, 16500, false},
        {"ОРК two posts: 8000 serves 8130 by its table", Series::Ork,
            [](CurtainInputs& in) { in.onePost = false; }, 8000, false},
        {"ОРК beyond its largest model", Series::Ork, [](CurtainInputs& in) { in.B = 6; }, 24000, true},
        {"ТЕМ unrestricted", Series::Tem, [](CurtainInputs&) {}, 17000, false},
        {"ТЕМ held to 600 mm blocks", Series::Tem,
            [](CurtainInputs& in) {
                in.blockLimit = true;
                in.smallestBlockItem = 3;
            },
            8300, true},
        {"ПЛН defaults", Series::Pln, [](CurtainInputs&) {}, 23969.52, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CurtainInputs in = defaultCurtainInputs(c.series);
        c.change(in);
        const CurtainRun run = runOf(in);
        EXPECT_NEAR(run.choice.flow, c.flow, 1e-6);
        const QString message = curtainShortfallMessage(run);
        EXPECT_EQ(!message.isEmpty(), c.short_) << message.toStdString();
    }
    CurtainInputs tem = defaultCurtainInputs(Series::Tem);
    tem.blockLimit = true;
    tem.smallestBlockItem = 3;
    EXPECT_EQ(curtainShortfallMessage(runOf(tem)),
        u"Расход воздуха завесы 8300 м3/час меньше требуемого 16259 м3/час: завеса не обеспечивает расчетный "
        u"расход воздуха. Измените исходные данные или ограничения."_s);
}

TEST(CurtainCheckTest, BoxesAreReadInTheWindowsOrder)
{
    CurtainProject p = defaultCurtainProject(Series::Ork);
    p.B = u"ширина"_s;
    p.H = u"2,5"_s;
    // H comes first, and with "," as separator "2,5" is a number.
    CurtainReading r = readCurtainInputs(p, Series::Ork, QLatin1Char('.'));
    EXPECT_EQ(r.field, CurtainField::H);
    EXPECT_EQ(r.text, u"2,5");
    r = readCurtainInputs(p, Series::Ork, QLatin1Char(','));
    EXPECT_EQ(r.field, CurtainField::B);

    // The water temperatures before the wind for ОРК and ТЕМ, after it for ПЛН; only for the water heater.
    p = defaultCurtainProject(Series::Tem);
    p.v = p.tw1 = u"x"_s;
    EXPECT_EQ(readCurtainInputs(p, Series::Tem, QLatin1Char('.')).field, CurtainField::V);
    p.heaterType = 1;
    EXPECT_EQ(readCurtainInputs(p, Series::Tem, QLatin1Char('.')).field, CurtainField::Tw1);
    p = defaultCurtainProject(Series::Pln);
    p.v = p.tw1 = u"x"_s;
    p.heaterType = 1;
    EXPECT_EQ(readCurtainInputs(p, Series::Pln, QLatin1Char('.')).field, CurtainField::V);
}

TEST(CurtainCheckTest, ItemsOutsideTheirGroupsReadAsTheDefault)
{
    CurtainProject p = defaultCurtainProject(Series::Pln);
    p.buildingType = 7;
    p.placement = -1;
    p.heaterType = 3; // ПЛН has three heater items
    const CurtainReading r = readCurtainInputs(p, Series::Pln, QLatin1Char('.'));
    ASSERT_TRUE(r.inputs);
    EXPECT_EQ(r.inputs->buildingType, 0);
    EXPECT_FALSE(r.inputs->side); // ПЛН defaults to a top curtain
    EXPECT_EQ(r.inputs->heater, HeaterKind::None);

    p = defaultCurtainProject(Series::Tem);
    p.blockLimit = 0;
    p.smallestBlock = 9;
    const CurtainReading tem = readCurtainInputs(p, Series::Tem, QLatin1Char('.'));
    ASSERT_TRUE(tem.inputs);
    EXPECT_TRUE(tem.inputs->blockLimit);
    EXPECT_EQ(tem.inputs->smallestBlockItem, temLargestBlockItem);
}

TEST(CurtainCheckTest, AnotherIndexRecomputesWithoutCapping)
{
    CurtainInputs in = defaultCurtainInputs(Series::Ork);
    in.onePost = false;
    const CurtainRun run = runOf(in);
    ASSERT_EQ(run.choice.largestIndex, 5);
    const CurtainOutcome wide = reindexCurtain(run, u"10"_s, fakeCatalogue());
    ASSERT_TRUE(wide.run);
    EXPECT_EQ(wide.run->choice.slot, 0.225);
    EXPECT_EQ(wide.run->designation, u"ОРК-2.210");
    EXPECT_NE(wide.run->jet.outletVelocity, run.jet.outletVelocity);
    EXPECT_EQ(wide.run->choice.flow, run.choice.flow);
    for (const QString& bad : {u"11"_s, u"1"_s, u""_s}) {
        const CurtainOutcome refused = reindexCurtain(run, bad, fakeCatalogue());
        EXPECT_FALSE(refused.run) << bad.toStdString();
        EXPECT_TRUE(refused.refusal.message.contains(u"не существует"_s));
    }
}

} // namespace
