#include "heating/HeatingUnitCalc.h"

#include <QString>
#include <cmath>
#include <gtest/gtest.h>

using namespace heating;
using namespace Qt::StringLiterals;

namespace {

// A value as the results grid shows it: 4 significant digits.
QString g4(double value)
{
    return QString::number(value, 'g', 4);
}

HeatingUnitRun runOf(const HeatingUnitInputs& inputs)
{
    const HeatingUnitOutcome outcome = calculateHeatingUnits(inputs);
    EXPECT_TRUE(outcome.run.has_value()) << outcome.message.toStdString();
    return outcome.run.value_or(HeatingUnitRun {});
}

TEST(HeatingUnitCalcTest, DefaultsGiveTheKnownFirstModel)
{
    const HeatingUnitRun run = runOf({});
    const HeatingUnitResult& m = run.models[0];
    EXPECT_EQ(g4(run.demand), u"27.17");
    EXPECT_EQ(g4(m.output), u"12.07");
    EXPECT_EQ(m.units, 3);
    EXPECT_EQ(g4(m.waterFlow), u"271.9");
    EXPECT_EQ(g4(m.waterLoss), u"1.434");
    EXPECT_EQ(g4(m.hmin), u"3.579");
    ASSERT_TRUE(m.xmax && m.xmin);
    EXPECT_EQ(g4(*m.xmax), u"11.05");
    EXPECT_EQ(g4(*m.xmin), u"11.05");
    EXPECT_EQ(m.area, 0.0); // not a rounding remainder
    // Same demand for every model, the count follows each model's output.
    for (const HeatingUnitResult& r : run.models) {
        EXPECT_GT(r.output, 0.0);
        EXPECT_EQ(r.units, static_cast<long long>(std::ceil(run.demand / r.output)));
        EXPECT_NEAR(r.outletTemp,
            20.0 + 3000.0 * r.output / heatingUnitModels()[&r - run.models.data()].airFlow, 1e-9);
    }
}

TEST(HeatingUnitCalcTest, InclinedJetGivesBoundariesAndArea)
{
    HeatingUnitInputs inputs;
    inputs.angleItem = 1; // -30°
    const HeatingUnitResult m = runOf(inputs).models[0];
    EXPECT_EQ(g4(m.hmin), u"3.142");
    EXPECT_EQ(g4(m.xmax.value_or(0)), u"6.279");
    EXPECT_EQ(g4(m.xmin.value_or(0)), u"2.181");
    EXPECT_EQ(g4(m.area), u"2.837");
}

TEST(HeatingUnitCalcTest, HorizontalJetHasNoBoundaries)
{
    HeatingUnitInputs inputs;
    inputs.angleItem = horizontalJetItem;
    for (const HeatingUnitResult& m : runOf(inputs).models) {
        EXPECT_DOUBLE_EQ(m.hmin, 1.5);
        EXPECT_DOUBLE_EQ(m.area, 0.0);
        EXPECT_FALSE(m.xmax.has_value());
        EXPECT_FALSE(m.xmin.has_value());
    }
}

TEST(HeatingUnitCalcTest, ModelWhoseFirstGuessFitsStopsAfterOnePass)
{
    const HeatingUnitResult m = runOf({}).models[1];
    EXPECT_EQ(m.passes, 1);
    EXPECT_DOUBLE_EQ(m.waterFlow, 337.5);
}

TEST(HeatingUnitCalcTest, GivenDemandIgnoresTheBuilding)
{
    HeatingUnitInputs inputs;
    inputs.mode = DemandMode::Given;
    inputs.tn = 5; // the building loss is not computed, so a mild outdoor temperature is fine
    inputs.volume = -1;
    inputs.givenDemand = 100;
    HeatingUnitRun run = runOf(inputs);
    EXPECT_DOUBLE_EQ(run.demand, 100.0);
    EXPECT_EQ(run.models[0].units, 9); // 100 / 12.07
    inputs.givenDemand = 0.5;
    EXPECT_EQ(runOf(inputs).models[0].units, 1); // a small demand still needs one unit
}

TEST(HeatingUnitCalcTest, BuildingTypesLoseLessHeatWithBetterInsulation)
{
    HeatingUnitInputs inputs;
    inputs.gains = 0;
    double previous = 1e9;
    for (int type = 0; type < buildingTypeCount; ++type) {
        inputs.buildingType = type;
        const double demand = runOf(inputs).demand;
        EXPECT_LT(demand, previous) << type;
        previous = demand;
    }
}

TEST(HeatingUnitCalcTest, InputsOutsideTheFormulasAreRefusedWithAMessage)
{
    struct Case {
        const char* what;
        HeatingUnitInputs inputs;
        QString messageStart;
        HeatingUnitField field;
    };
    auto with = [](auto change) {
        HeatingUnitInputs in;
        change(in);
        return in;
    };
    const Case cases[] = {
        {"tн = tв", with([](auto& in) { in.tn = 20; }),
            u"Температура воздуха внутри помещения должна быть больше"_s, HeatingUnitField::None},
        {"tw2 = tw1", with([](auto& in) { in.tw2 = 80; }), u"Температура воды на выходе не может быть"_s,
            HeatingUnitField::Tw1},
        {"tw1 <= tв", with([](auto& in) {
             in.tw1 = 20;
             in.tw2 = 10;
         }),
            u"Температура воды на входе должна быть больше"_s, HeatingUnitField::Tw1},
        {"tн >= 0", with([](auto& in) { in.tn = 0; }), u"Расчет теплопотерь здания"_s, HeatingUnitField::Tn},
        {"V = 0", with([](auto& in) { in.volume = 0; }), u"Внешний объем здания должен"_s,
            HeatingUnitField::Volume},
        {"V < 0", with([](auto& in) { in.volume = -50; }), u"Внешний объем здания должен"_s,
            HeatingUnitField::Volume},
        {"huge V", with([](auto& in) { in.volume = 1e308; }), u"Результат расчета выходит"_s,
            HeatingUnitField::None},
        // No heat to give: the units would be counted as zero or fewer.
        {"gains above the loss", with([](auto& in) { in.gains = 80; }),
            u"Теплопритоки не меньше теплопотерь"_s, HeatingUnitField::Gains},
        {"gains equal to the loss", with([](auto& in) {
             in.gains = buildingHeatDemand(in.tn, in.tv, in.volume, 0, in.buildingType);
         }),
            u"Теплопритоки не меньше теплопотерь"_s, HeatingUnitField::Gains},
        {"given demand below zero", with([](auto& in) {
             in.mode = DemandMode::Given;
             in.givenDemand = -30;
         }),
            u"Необходимая мощность для нагрева, Q должна быть больше нуля"_s, HeatingUnitField::Demand},
        {"given demand of zero", with([](auto& in) {
             in.mode = DemandMode::Given;
             in.givenDemand = 0;
         }),
            u"Необходимая мощность для нагрева, Q должна быть больше нуля"_s, HeatingUnitField::Demand},
        {"room at absolute zero", with([](auto& in) {
             in.tn = -300;
             in.tv = -273;
             in.gains = 0;
         }),
            u"Результат расчета выходит"_s, HeatingUnitField::None},
    };
    for (const Case& c : cases) {
        const HeatingUnitOutcome outcome = calculateHeatingUnits(c.inputs);
        EXPECT_FALSE(outcome.run.has_value()) << c.what;
        EXPECT_TRUE(outcome.message.startsWith(c.messageStart))
            << c.what << ": " << outcome.message.toStdString();
        EXPECT_EQ(outcome.field, c.field) << c.what;
    }
}

} // namespace
