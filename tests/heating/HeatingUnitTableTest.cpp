#include "heating/HeatingUnitTable.h"
#include "heating/HeatingUnitCalc.h"

#include <gtest/gtest.h>

using namespace heating;
using namespace Qt::StringLiterals;

namespace {

HeatingUnitRun runOf(const HeatingUnitInputs& inputs)
{
    const HeatingUnitOutcome outcome = calculateHeatingUnits(inputs);
    EXPECT_TRUE(outcome.run.has_value()) << outcome.message.toStdString();
    return outcome.run.value_or(HeatingUnitRun {});
}

TEST(HeatingUnitTableTest, GridShowsInputsResultsAndCatalogueData)
{
    HeatingUnitInputs inputs;
    const HeatingUnitTable table = heatingUnitTable(inputs, runOf(inputs), QLatin1Char(','));
    EXPECT_TRUE(table[0][0].isEmpty());
    EXPECT_EQ(table[0][1], u"ЛУМА 1-2");
    EXPECT_EQ(table[0][6], u"ЛУМА 3-3");
    EXPECT_EQ(table[6][1], u"27,17");
    EXPECT_EQ(table[6][6], u"27,17");
    EXPECT_EQ(table[7][3], u"Тип 1");
    EXPECT_EQ(table[8][1], u"1000");
    EXPECT_EQ(table[11][1], u"3");
    EXPECT_EQ(table[12][2], u"337,5");
    EXPECT_EQ(table[18][5], u"5000");
    EXPECT_EQ(table[20][6], u"1273*610*515");
    EXPECT_EQ(table[22][3], u"3*380(1*220)");
    EXPECT_EQ(table[23][1], u"69");
    EXPECT_EQ(table[23][0], u"Звуковая мощность, дБ");
    EXPECT_TRUE(table[24][1].isEmpty());

    inputs.mode = DemandMode::Given;
    inputs.buildingType = 2;
    inputs.angleItem = horizontalJetItem;
    const HeatingUnitTable given = heatingUnitTable(inputs, runOf(inputs), QLatin1Char('.'));
    EXPECT_EQ(given[6][1], u"100");
    EXPECT_EQ(given[7][1], u"Тип 3");
    EXPECT_EQ(given[8][1], u"0");
    EXPECT_EQ(given[9][1], u"0");
    EXPECT_EQ(given[5][1], u"-90");
    EXPECT_EQ(given[15][1], notComputedText);
    EXPECT_EQ(given[16][1], notComputedText);
}

} // namespace
