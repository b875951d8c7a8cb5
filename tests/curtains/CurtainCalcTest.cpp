#include "CurtainFixtures.h"

#include "curtains/CurtainSizes.h"

using namespace curtains;
using namespace curtains::testing;
using namespace Qt::StringLiterals;

namespace {

TEST(CurtainCalcTest, OrkDefaultsGiveTheKnownCurtain)
{
    const CurtainRun run = runOf(defaultCurtainInputs(Series::Ork));
    const CurtainDesign& d = run.design;
    EXPECT_EQ(g4(d.q), u"0.7");
    EXPECT_EQ(QString::number(d.rhoN, 'f', 4), u"1.3913");
    EXPECT_EQ(QString::number(d.rhoV, 'f', 4), u"1.2014");
    EXPECT_EQ(QString::number(d.windPressure, 'f', 4), u"1.7809");
    EXPECT_EQ(QString::number(d.thermalPressure, 'f', 4), u"1.8614");
    EXPECT_EQ(g4(d.gateVelocity), u"1.456");
    EXPECT_EQ(g4(d.phi), u"14.51");
    EXPECT_EQ(g4(d.requiredSlot), u"0.4135");
    EXPECT_EQ(qRound(d.requiredFlow), 16259);

    EXPECT_EQ(run.choice.model, u"4.2");
    EXPECT_EQ(run.choice.flow, 16500);
    EXPECT_EQ(run.choice.index, u"08"); // "10" capped to the model's largest
    EXPECT_EQ(run.choice.slot, 0.175);
    EXPECT_EQ(run.designation, u"ОРК-4.208");

    EXPECT_EQ(g4(run.jet.outletVelocity), u"13.1");
    EXPECT_EQ(qRound(run.jet.endTemperature), 9);
    EXPECT_EQ(g4(run.jet.meanVelocity()), u"3.795");
    EXPECT_EQ(run.jet.axis.size(), 41u);
    EXPECT_EQ(g4(run.balance.gateLoss), u"419.4");
    ASSERT_TRUE(run.balance.efficiency);
    EXPECT_EQ(g4(*run.balance.efficiency), u"45.14");
    EXPECT_FALSE(run.heater);
}

TEST(CurtainCalcTest, OrkPlacementsChooseTheirModels)
{
    CurtainInputs twoPosts = defaultCurtainInputs(Series::Ork);
    twoPosts.onePost = false;
    const CurtainRun two = runOf(twoPosts);
    EXPECT_EQ(qRound(two.design.requiredFlow), 8130);
    EXPECT_EQ(two.choice.model, u"2.2");
    EXPECT_EQ(two.choice.flow, 8000);
    EXPECT_EQ(two.choice.index, u"05");
    EXPECT_EQ(two.choice.slot, 0.11);

    CurtainInputs top = defaultCurtainInputs(Series::Ork);
    top.side = false;
    EXPECT_EQ(g4(runOf(top).jet.outletVelocity), u"8.73");
}

TEST(CurtainCalcTest, TemBlocksFollowTheRequiredFlow)
{
    const CurtainRun run = runOf(defaultCurtainInputs(Series::Tem));
    EXPECT_EQ(qRound(run.design.requiredFlow), 16259);
    EXPECT_EQ(run.choice.blockCount, 1);
    EXPECT_EQ(run.choice.model, u"6");
    EXPECT_EQ(run.choice.flow, 17000);
    EXPECT_TRUE(run.designation.startsWith(u"ТЕМ-6."_s));

    struct Case {
        double required;
        bool side;
        bool limit;
        int item;
        int blocks;
        double modelFlow;
        int itemAfter;
    };
    const Case cases[] = {
        {40000, true, false, 5, 3, 40000, 5}, {20000, false, false, 5, 2, 20000, 5},
        {2000, true, true, 0, 1, 2800, 0},
        {20000, true, true, 5, 2, 20000, 5}, // "800мм" takes the unrestricted way
        {5000, true, true, 3, 1, 3600, 1}, // lowered from 600 mm until one block fits
    };
    for (const Case& c : cases) {
        CurtainInputs in = defaultCurtainInputs(Series::Tem);
        in.side = c.side;
        in.blockLimit = c.limit;
        in.smallestBlockItem = c.item;
        const TemBlocks blocks = temBlocks(in, c.required);
        EXPECT_FALSE(blocks.refusal) << c.required;
        EXPECT_EQ(blocks.count, c.blocks) << c.required;
        EXPECT_EQ(blocks.modelFlow, c.modelFlow) << c.required;
        EXPECT_EQ(blocks.smallestBlockItem, c.itemAfter) << c.required;
    }
}

TEST(CurtainCalcTest, PlnDefaultsAssembleTwoBlocksB)
{
    const CurtainRun run = runOf(defaultCurtainInputs(Series::Pln));
    EXPECT_EQ(qRound(run.design.requiredFlow), 16259);
    EXPECT_EQ(run.choice.model, u"4");
    EXPECT_EQ(run.choice.slot, 0.225);
    EXPECT_EQ(run.choice.blocksB, 2);
    EXPECT_EQ(run.choice.blocksA, 0);
    EXPECT_DOUBLE_EQ(run.choice.assembledLength, 3.24);
    EXPECT_NEAR(run.choice.flow, 23969.52, 1e-6);
    EXPECT_EQ(run.designation, u"ПЛН-4-2*Б");
    EXPECT_EQ(run.composition, u"(Блоков Б - 2шт.)");
    EXPECT_EQ(g4(run.jet.outletVelocity), u"9.133");
    EXPECT_EQ(run.jet.axis.size(), 41u);
    EXPECT_EQ(QString::number(run.jet.endTemperature, 'f', 2), u"12.58");
    EXPECT_NEAR(run.jet.meanVelocity(), 3.677, 0.001); // 3.67645 m/s
    EXPECT_EQ(g4(run.balance.gateLoss), u"419.4");
    ASSERT_TRUE(run.balance.efficiency);
    EXPECT_EQ(g4(*run.balance.efficiency), u"55.44");
    ASSERT_TRUE(run.soundPressure);
    EXPECT_EQ(g4(*run.soundPressure), u"88.81");
}

TEST(CurtainCalcTest, PlnTwoPostsAndHeaters)
{
    CurtainInputs twoPosts = defaultCurtainInputs(Series::Pln);
    twoPosts.side = true;
    twoPosts.onePost = false;
    const CurtainRun two = runOf(twoPosts);
    EXPECT_EQ(g4(two.design.requiredFlow), u"8130");
    EXPECT_EQ(two.choice.model, u"3");
    EXPECT_EQ(two.choice.slot, 0.24);
    EXPECT_EQ(two.choice.blocksA, 2);
    EXPECT_EQ(two.choice.blocksB, 0);
    EXPECT_DOUBLE_EQ(two.choice.assembledLength, 2.0);
    EXPECT_DOUBLE_EQ(two.choice.flow, 10000);

    CurtainInputs electric = defaultCurtainInputs(Series::Pln);
    electric.heater = HeaterKind::Electric;
    const CurtainRun e = runOf(electric);
    EXPECT_EQ(e.design.dt, 10);
    EXPECT_EQ(e.choice.model, u"2");
    EXPECT_EQ(e.choice.slot, 0.105);
    EXPECT_EQ(e.choice.blocksB, 1);
    EXPECT_EQ(e.choice.blocksA, 2);
    EXPECT_DOUBLE_EQ(e.choice.assembledLength, 3.15);
    EXPECT_NEAR(e.choice.flow, 9799.65, 1e-6);
    EXPECT_EQ(e.designation, u"ПЛН-2-2*АЭ-1*БЭ");
    ASSERT_TRUE(e.heater && e.heater->power);
    EXPECT_DOUBLE_EQ(*e.heater->power, 3 * 4.5);

    CurtainInputs water = defaultCurtainInputs(Series::Pln);
    water.heater = HeaterKind::Water;
    EXPECT_EQ(refusalOf(water),
        u"Завесы требуемого типоразмера с водяным нагревом не существует. Просьба изменить задание."_s);
}

TEST(CurtainCalcTest, PlnCompositionAlongTheGate)
{
    struct Case {
        double gate;
        bool mayExtend;
        int a;
        int b;
        double length;
    };
    // Type 4: modules of 0.54 m, block А of two, block Б of three.
    const Case cases[] = {
        {3.0, true, 0, 2, 3.24},
        {4.2, true, 1, 2, 4.32},
        {4.2, false, 2, 1, 3.78},
        {2.5, true, 1, 1, 2.7},
        {2.5, false, 2, 0, 2.16},
    };
    for (const Case& c : cases) {
        const PlnComposition composition = plnComposition(4, c.gate, c.mayExtend);
        EXPECT_FALSE(composition.refusal) << c.gate;
        EXPECT_EQ(composition.blocksA, c.a) << c.gate << c.mayExtend;
        EXPECT_EQ(composition.blocksB, c.b) << c.gate << c.mayExtend;
        EXPECT_NEAR(composition.length, c.length, 1e-9) << c.gate << c.mayExtend;
    }
}

TEST(CurtainCalcTest, PlnGatesTooShortAreRefusedWithTheReason)
{
    // Half a module: no block at all.
    const PlnComposition none = plnComposition(4, 0.2, true);
    ASSERT_TRUE(none.refusal);
    EXPECT_TRUE(none.refusal->message.contains(u"короче половины модуля"_s));
    // One module with overhang allowed would need minus one block Б.
    const PlnComposition negative = plnComposition(4, 0.54, true);
    ASSERT_TRUE(negative.refusal);
    EXPECT_TRUE(negative.refusal->message.contains(u"отрицательного числа блоков"_s));
    // Without overhang block А sticks out.
    CurtainInputs narrow = defaultCurtainInputs(Series::Pln);
    narrow.B = 0.4;
    narrow.mayExtend = false;
    EXPECT_EQ(refusalOf(narrow), u"Блок А выступает за проем. Внесите изменения в условия."_s);
}

} // namespace
