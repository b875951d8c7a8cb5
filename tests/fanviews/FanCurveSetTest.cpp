#include "fanviews/FanCurveSet.h"
#include "fans/SmokeSelection.h"

#include <gtest/gtest.h>

using namespace fanviews;
using namespace Qt::Literals::StringLiterals;

namespace {

// A falling pressure curve and a rising power curve over `points` flows from 1000 in steps of 500.
FanCurveSet falling(int points)
{
    FanCurveSet set;
    set.pointCount = points;
    for (int i = 0; i < points; ++i) {
        set.flowPoints[i] = 1000 + 500 * i;
        set.pressurePoints[i] = 800 - 0.002 * (500 * i) * (500 * i) / 10;
        set.powerPoints[i] = 0.5 + 0.1 * i;
    }
    return set;
}

} // namespace

TEST(FanCurveDrawing, TwentyStepsPerIntervalEndingOnEachTabulatedFlow)
{
    const FanCurveSet set = falling(20);
    const auto line = drawnCurve(set, CurveValue::Pressure);
    ASSERT_EQ(line.size(), 380u);
    EXPECT_DOUBLE_EQ(line.front().x(), 1000 + 500.0 / 20) << "the first tabulated point is not a vertex";
    for (int j = 1; j < 20; ++j) {
        EXPECT_DOUBLE_EQ(line[size_t(20 * j - 1)].x(), set.flowPoints[j]);
        EXPECT_NEAR(line[size_t(20 * j - 1)].y(), set.pressurePoints[j], 1e-9) << "cubic passes its nodes";
    }
    EXPECT_EQ(drawnCurve(set, CurveValue::Power).size(), 380u);
}

TEST(FanCurveDrawing, UnusableCurvesDrawNothing)
{
    FanCurveSet notAscending = falling(6);
    notAscending.flowPoints[3] = notAscending.flowPoints[2];
    for (const FanCurveSet& set : {falling(0), falling(3), notAscending}) {
        EXPECT_TRUE(drawnCurve(set, CurveValue::Pressure).empty());
        EXPECT_FALSE(workingPointAt(set, 1800).has_value());
    }
}

TEST(FanWorkingPoint, InsideTheCurveOnlyWithPressureRoundedAndPowerNot)
{
    const FanCurveSet set = falling(6); // flows 1000 … 3500
    struct Case {
        double flow;
        bool drawn;
    };
    for (const Case c : {Case {1000, true}, Case {999.9, false}, Case {3499, true}, Case {3500, false},
             Case {-50, false}, Case {1e12, false}}) {
        EXPECT_EQ(workingPointAt(set, c.flow).has_value(), c.drawn) << c.flow;
    }
    const auto point = workingPointAt(set, 1250);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->pressure, std::round(point->pressure));
    EXPECT_NEAR(point->pressure, 800 - 0.0002 * 250 * 250, 0.5);
    EXPECT_NEAR(point->power, 0.55, 1e-12) << "power unrounded";
}

TEST(FanSystemCurve, ThroughZeroAndTheWorkingPoint)
{
    const auto general = systemCurve(1000, 400, 20, 22);
    ASSERT_EQ(general.size(), 22u);
    EXPECT_EQ(general[0], QPointF(0, 0));
    EXPECT_DOUBLE_EQ(general[10].y(), 100);
    EXPECT_DOUBLE_EQ(general[20].y(), 400);
    EXPECT_DOUBLE_EQ(general[21].x(), 1050);
    EXPECT_DOUBLE_EQ(general[21].y(), 441);
    const auto smoke = systemCurve(1500, 600, 30, 32);
    ASSERT_EQ(smoke.size(), 32u);
    EXPECT_DOUBLE_EQ(smoke[15].y(), 150);
    EXPECT_DOUBLE_EQ(smoke[31].x(), 1550);
    EXPECT_NEAR(smoke[31].y(), 640.7, 0.05);
    EXPECT_TRUE(systemCurve(0, 400, 20, 22).empty());
}

// The graphs and the printed sheet draw the curve the run used; a smoke-exhaust run stored the same
// curve, at the gas, in its result table.
TEST(FanCurveOfARun, IsTheCurveTheRunStored)
{
    FanRecord record;
    record.pointCount = 7;
    for (int i = 0; i < 7; ++i) {
        record.columns[size_t(i)] = 1000.0 * (i + 1);
        record.columns[size_t(20 + i)] = 900.0 - 50 * i;
        if (i != 3) // an empty power: 0 in both
            record.columns[size_t(40 + i)] = 0.1 * (i + 1);
    }
    for (const double factor : {1.0, 0.7316}) {
        const auto curve = fans::FanCurve::fromRecord(record, factor);
        ASSERT_TRUE(curve);
        const FanCurveSet used = curveSetOf(*curve);
        const FanCurveSet stored = curveSetOf(fans::rescaledRecord(record, factor));
        ASSERT_EQ(used.pointCount, 7);
        ASSERT_EQ(stored.pointCount, 7);
        EXPECT_EQ(used.flowPoints, stored.flowPoints);
        EXPECT_EQ(used.pressurePoints, stored.pressurePoints);
        EXPECT_EQ(used.powerPoints, stored.powerPoints);
        EXPECT_EQ(used.powerPoints[3], 0);
    }
}
