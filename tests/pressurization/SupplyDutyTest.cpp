#include "pressurization/SupplyDuty.h"

#include <gtest/gtest.h>
#include <limits>

using namespace pressurization;

// The duty handed to fan selection is the figure of the results table, read as a number: six
// significant digits, at most two after the mark, however long the calculated value.
TEST(SupplyFanDuty, RoundsAsTheResultsTableShowsIt)
{
    struct Case {
        double value;
        double handed;
    };
    const Case cases[] = {
        {7300, 7300},
        {12345.46, 12345.5}, // six digits: the window then rounds to 12346, not to 12345
        {180.456789, 180.45},
        {0.123456, 0.12},
        {1234567.8, 1230000}, // 1.23457e+06, cut to two places after the mark
        {-3975.07, -3975.07},
    };
    for (const Case& c : cases) {
        const auto duty = supplyFanDuty(SupplyFan {c.value, c.value});
        ASSERT_TRUE(duty) << c.value;
        EXPECT_EQ(duty->flow, c.handed) << c.value;
        EXPECT_EQ(duty->pressure, c.handed) << c.value;
    }
}

TEST(SupplyFanDuty, NothingForAFigureThatIsNoNumber)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(supplyFanDuty(SupplyFan {nan, 100}));
    EXPECT_FALSE(supplyFanDuty(SupplyFan {100, std::numeric_limits<double>::infinity()}));
}
