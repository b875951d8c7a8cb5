#include "fans/DutyBand.h"
#include "fans/DutyMatch.h"
#include "fans/FanCurve.h"
#include "fans/PiecewiseCubic.h"

#include "SelectionFixtures.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace fans;
using namespace selectionfixtures;

TEST(SelectionBand, WorkedExample)
{
    const DutyBand band = DutyBand::around(5000, 500, 15);
    EXPECT_DOUBLE_EQ(band.qmin, 4250);
    EXPECT_DOUBLE_EQ(band.qmax, 5750);
    EXPECT_DOUBLE_EQ(band.k, 0.00002);
    EXPECT_DOUBLE_EQ(band.pmax, 661.25);
}

// v = x⁴ is no cubic, so the value tells which four nodes were used: the interval holding q is the last
// of the four nodes, except in the first two intervals, which use the first four points.
TEST(SelectionCurve, PiecewiseCubicUsesTheIntervalAsLastNode)
{
    const std::vector<double> x {0, 1, 2, 3, 4, 5};
    std::vector<double> v;
    for (double xi : x)
        v.push_back(std::pow(xi, 4));
    struct Case {
        double q;
        CurveEnd end;
        std::optional<double> expected;
    };
    const Case cases[] = {
        {0.5, CurveEnd::Open, 1.0}, // nodes 0..3
        {1.5, CurveEnd::Open, 4.5}, // nodes 0..3
        {3.5, CurveEnd::Open, 151.0}, // nodes 1..4 (nodes 2..5 would give 149.5)
        {4.5, CurveEnd::Open, 411.0}, // nodes 2..5
        {2.0, CurveEnd::Open, 16.0}, // a node gives its own value
        {0.0, CurveEnd::Open, 0.0}, // the first flow is inside
        {5.0, CurveEnd::Open, std::nullopt}, // the last flow is outside ...
        {5.0, CurveEnd::Closed, 625.0}, // ... unless the curve end is allowed
        {-0.1, CurveEnd::Open, std::nullopt},
        {5.1, CurveEnd::Closed, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), CurveEnd::Closed, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto value = piecewiseCubic(x, v, c.q, c.end);
        ASSERT_EQ(value.has_value(), c.expected.has_value()) << "q = " << c.q;
        if (value) {
            EXPECT_NEAR(*value, *c.expected, 1e-9) << "q = " << c.q;
        }
    }
}

TEST(SelectionCurve, CurvesThatCannotBeInterpolatedAreRefused)
{
    const auto flat = [](double) { return 100.0; };
    struct Case {
        const char* what;
        FanRecord record;
        bool usable;
    };
    FanRecord noPressure = fanRecord(QStringLiteral("X"), {1, 2, 3, 4}, flat);
    noPressure.columns[22].reset();
    FanRecord nanFlow = fanRecord(QStringLiteral("X"), {1, 2, 3, 4}, flat);
    nanFlow.columns[3] = std::numeric_limits<double>::quiet_NaN();
    FanRecord noPower = fanRecord(QStringLiteral("X"), {1, 2, 3, 4}, flat);
    noPower.columns[41].reset();
    const Case cases[] = {
        {"four ascending points", fanRecord(QStringLiteral("X"), {1, 2, 3, 4}, flat), true},
        {"three points", fanRecord(QStringLiteral("X"), {1, 2, 3}, flat), false},
        {"equal neighbouring flows", fanRecord(QStringLiteral("X"), {1, 2, 2, 4}, flat), false},
        {"descending flows", fanRecord(QStringLiteral("X"), {1, 3, 2, 4}, flat), false},
        {"empty pressure column", noPressure, false},
        {"flow not a number", nanFlow, false},
        {"empty power column", noPower, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FanCurve::fromRecord(c.record).has_value(), c.usable) << c.what;
    EXPECT_FALSE(FanCurve::fromRecord(noPower)->powerAt(2.5).has_value());
}

// Each rule of the acceptance test, on the worked example's band.
TEST(SelectionAcceptance, EachRuleAcceptsOrRejects)
{
    const DutyBand band = DutyBand::around(5000, 500, 15);
    struct Case {
        const char* what;
        FanRecord record;
        bool accepted;
    };
    const Case cases[] = {
        {"through the duty point, on below the system curve past qmax", dutyFan(), true},
        {"crosses inside the band and ends before qmax",
            fanRecord(QStringLiteral("X"), {1000, 2500, 4000, 5500}, parabola(900)), true},
        {"ends exactly at qmax", fanRecord(QStringLiteral("X"), {2000, 3500, 4750, 5750}, parabola(900)),
            true},
        {"whole curve above the system curve", dutyFan("X", 2000, 7000), false},
        {"crosses beyond qmax (too strong)", dutyFan("X", 1500, 12000), false},
        {"below the system curve over the band (too weak)", dutyFan("X", 300, 7000), false},
        {"curve ends below qmin", dutyFan("X", 300, 4000), false},
        {"curve starts above qmax", fanRecord(QStringLiteral("X"), {6000, 7000, 8000, 9000}, parabola(2000)),
            false},
    };
    for (const Case& c : cases) {
        const auto curve = FanCurve::fromRecord(c.record);
        ASSERT_TRUE(curve) << c.what;
        EXPECT_EQ(acceptanceStep(*curve, band).has_value(), c.accepted) << c.what;
    }
}

TEST(SelectionAcceptance, OperatingPointOfAFanThroughTheDutyPoint)
{
    const DutyBand band = DutyBand::around(5000, 500, 15);
    const auto curve = FanCurve::fromRecord(dutyFan());
    ASSERT_TRUE(curve);
    // Above the system curve from the band's start, so the very first step accepts it.
    EXPECT_EQ(acceptanceStep(*curve, band), 0);
    EXPECT_NEAR(operatingFlow(*curve, band), 5000, 0.5);
}

// A fan crossing near the end of its curve: the bisection bracket is cut to the curve.
TEST(SelectionAcceptance, OperatingPointIsFoundWhereTheCurveCrossesTheSystemCurve)
{
    const DutyBand band = DutyBand::around(5000, 500, 15);
    // p = 760 − 1.6e-5·q² meets 2e-5·q² at q = sqrt(760 / 3.6e-5) ≈ 4594.7.
    const auto curve
        = FanCurve::fromRecord(fanRecord(QStringLiteral("X"), {1000, 2500, 4000, 4700}, parabola(760)));
    ASSERT_TRUE(curve);
    ASSERT_TRUE(acceptanceStep(*curve, band));
    EXPECT_NEAR(operatingFlow(*curve, band), std::sqrt(760 / 3.6e-5), 0.5);
}

TEST(SelectionAcceptance, SweepDrawsTheCurveBelowPmaxAndLabelsItsLastPoint)
{
    const DutyBand band = DutyBand::around(5000, 500, 15);
    // p = 1000 − 1.6e-5·q² up to 5000 m³/h: above pmax at the start of the band.
    const auto curve = FanCurve::fromRecord(dutyFan("X", 1000, 5500));
    ASSERT_TRUE(curve);
    const SweptCurve swept = sweepCurve(*curve, band);
    ASSERT_FALSE(swept.points.empty());
    for (const QPointF& p : swept.points) {
        EXPECT_LT(p.y(), band.pmax);
        EXPECT_LT(p.x(), 5000.0 + 1e-9); // the curve stops at its last flow
    }
    // 1000 − 1.6e-5·q² < 661.25 from q ≈ 4602 on: the first swept flows lie above pmax and are left out.
    EXPECT_GT(swept.points.front().x(), 4602);
    ASSERT_TRUE(swept.label);
    EXPECT_DOUBLE_EQ(swept.label->x(), swept.points.back().x());
}
