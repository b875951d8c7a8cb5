#include "fans/SpeedControlledSelection.h"
#include "fans/SelectionMessages.h"

#include "SelectionFixtures.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace selectionfixtures;
using namespace Qt::StringLiterals;

// The fixture fan: p = 900 − 1.6e-5·q² on flows 1000 … 7000, power 0.5 + q/10000 kW, 1400 rpm; the
// cubic reproduces both exactly. The duty 4000 m³/h, 320 Pa has k = 2e-5, so the full-speed curve meets
// the system curve where 900 = 3.6e-5·q²: Qop = 5000, r = 0.8.
namespace {

SelectionRequest dutyRequest(double flow, double pressure)
{
    SelectionRequest request;
    request.flow = flow;
    request.pressure = pressure;
    request.series = {{QStringLiteral("ВКК"), false}};
    return request;
}

QStringList namesOf(const SpeedControlledOutcome& outcome)
{
    QStringList names;
    for (const SpeedControlledFan& fan : outcome.fans)
        names << fan.record->manualName;
    return names;
}

FanRecord namedFan(const char* label, double powerFactor)
{
    FanRecord fan = dutyFan();
    fan.manualName = QString::fromUtf8(label);
    for (int i = 0; i < fan.pointCount; ++i)
        fan.columns[40 + i] = *fan.columns[40 + i] * powerFactor;
    return fan;
}

} // namespace

// Speed, shaft power, efficiency and SFP by the fan laws, worked out by hand for the fixture fan.
TEST(SpeedControlledSelection, FanLawsAtTheDuty)
{
    const std::vector<FanRecord> catalogue {dutyFan()};
    const SpeedControlledOutcome outcome = selectSpeedControlled(catalogue, dutyRequest(4000, 320), 30);
    ASSERT_EQ(outcome.status, SpeedControlledOutcome::Status::Listed);
    ASSERT_EQ(outcome.fans.size(), 1u);
    const SpeedControlledFan& fan = outcome.fans[0];
    EXPECT_NEAR(fan.fullSpeedFlow, 5000, 5000 * 2e-9);
    EXPECT_NEAR(fan.speedRatio, 0.8, 1e-9);
    EXPECT_NEAR(*fan.speed, 1120, 1e-5);
    // N(5000) = 1 kW at full speed; 0.8³·1 at the duty.
    EXPECT_NEAR(*fan.power, 0.512, 1e-9);
    // 4000·320 / (3.6·10⁶·0.512): the same as at the full-speed operating point, as the fan laws keep it.
    EXPECT_NEAR(*fan.efficiency, 1280000.0 / 1843200.0, 1e-9);
    EXPECT_NEAR(*fan.sfp, 0.512 / (4000.0 / 3600), 1e-9);
    EXPECT_EQ(fan.sfpClass, 1);
    EXPECT_TRUE(outcome.messages.isEmpty());
}

// Which fans are kept: the minimum speed, a crossing at either end of the curve, a crossing below the duty.
TEST(SpeedControlledSelection, KeptOnlyWithACrossingAboveTheDutyAndEnoughSpeed)
{
    struct Case {
        const char* what;
        double flow;
        double pressure;
        int minSpeed;
        bool kept;
    };
    const Case cases[] = {
        {"r = 0.8 above a minimum of 79 %", 4000, 320, 79, true},
        {"r = 0.8 below a minimum of 81 %", 4000, 320, 81, false},
        {"r = 0.25 below the default 30 %", 1250, 31.25, 30, false},
        {"r = 0.25 with a minimum of 20 %", 1250, 31.25, 20, true},
        {"full speed exactly: r = 1", 5000, 500, 100, true},
        {"crossing below the duty flow (r > 1)", 6000, 720, 30, false},
        {"curve below the system curve at its first point", 1000, 900, 1, false},
        {"curve still above the system curve at its last point", 1000, 1, 1, false},
        {"duty beyond the last flow", 8000, 10, 1, false},
    };
    const std::vector<FanRecord> catalogue {dutyFan()};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SpeedControlledOutcome outcome
            = selectSpeedControlled(catalogue, dutyRequest(c.flow, c.pressure), c.minSpeed);
        EXPECT_EQ(outcome.fans.size(), c.kept ? 1u : 0u);
        if (!c.kept) {
            EXPECT_EQ(outcome.status, SpeedControlledOutcome::Status::NothingKept);
            EXPECT_EQ(outcome.messages,
                QStringList({messages::nothingAccepted(), messages::nothingAcceptedHint()}));
        }
    }
}

// A large fan whose curve starts far beyond the duty flow: kept only when the minimum speed lets it run that
// slowly (its crossing near 21 500 m³/h gives r ≈ 4.7 %).
TEST(SpeedControlledSelection, LargeFanNeedsALowMinimumSpeed)
{
    const std::vector<FanRecord> catalogue {
        fanRecord(QStringLiteral("ВКК"), {20000, 21000, 22000, 23000}, parabola(90000))};
    const SelectionRequest request = dutyRequest(1000, 178.7);
    const SpeedControlledOutcome slow = selectSpeedControlled(catalogue, request, 1);
    ASSERT_EQ(slow.fans.size(), 1u);
    EXPECT_NEAR(slow.fans[0].speedRatio, 1000 / slow.fans[0].fullSpeedFlow, 1e-12);
    EXPECT_GT(slow.fans[0].fullSpeedFlow, 20000);
    EXPECT_LT(slow.fans[0].fullSpeedFlow, 23000);
    EXPECT_TRUE(selectSpeedControlled(catalogue, request, 30).fans.empty());
}

// The crossing meets the system curve at the curve's very ends when it lies there.
TEST(SpeedControlledSelection, CrossingAtTheCurveEnds)
{
    const auto curve = FanCurve::fromRecord(dutyFan());
    ASSERT_TRUE(curve);
    // System curves just below the first point (1000, 884) and just above the last (7000, 116).
    EXPECT_NEAR(*fullSpeedCrossing(*curve, 883.999 / 1e6), 1000, 1e-2);
    EXPECT_NEAR(*fullSpeedCrossing(*curve, 116.001 / 49e6), 7000, 1e-2);
    EXPECT_FALSE(fullSpeedCrossing(*curve, 885.0 / 1e6));
    EXPECT_FALSE(fullSpeedCrossing(*curve, 115.0 / 49e6));
}

// Lowest power first, equal powers in catalogue order, a fan without a power curve last; the 30 best.
TEST(SpeedControlledSelection, RankedByPowerAndCutToThirty)
{
    std::vector<FanRecord> catalogue {namedFan("B", 2), namedFan("A", 1), namedFan("C", 2)};
    FanRecord noPower = namedFan("N", 1);
    noPower.columns[43].reset();
    catalogue.insert(catalogue.begin(), noPower);
    SpeedControlledOutcome outcome = selectSpeedControlled(catalogue, dutyRequest(4000, 320), 30);
    EXPECT_EQ(namesOf(outcome), QStringList({u"A"_s, u"B"_s, u"C"_s, u"N"_s}));
    EXPECT_FALSE(outcome.fans.back().power);
    EXPECT_FALSE(outcome.fans.back().sfpClass);

    std::vector<FanRecord> many;
    for (int i = 0; i < 35; ++i)
        many.push_back(namedFan(std::to_string(i).c_str(), 1 + (34 - i) * 0.1));
    outcome = selectSpeedControlled(many, dutyRequest(4000, 320), 30);
    ASSERT_EQ(outcome.fans.size(), size_t(maxSpeedControlledFans));
    EXPECT_EQ(outcome.fans.front().record->manualName, QStringLiteral("34"));
    EXPECT_EQ(outcome.fans.back().record->manualName, QStringLiteral("5"));
}

// The filters of the general selection apply, and a run without a ticked series says so.
TEST(SpeedControlledSelection, GeneralFiltersAndMessages)
{
    FanRecord twoPole = namedFan("2p", 1);
    twoPole.polus = 2;
    const std::vector<FanRecord> catalogue {twoPole, namedFan("4p", 1)};
    SelectionRequest request = dutyRequest(4000, 320);
    request.poles = {false, true, true, true};
    EXPECT_EQ(namesOf(selectSpeedControlled(catalogue, request, 30)), QStringList({u"4p"_s}));

    request.series.clear();
    const SpeedControlledOutcome outcome = selectSpeedControlled(catalogue, request, 30);
    EXPECT_EQ(outcome.status, SpeedControlledOutcome::Status::NoSeriesTicked);
    EXPECT_EQ(outcome.messages, QStringList({messages::noSeriesTicked()}));
}

TEST(SpeedControlledSelection, SfpClassLimits)
{
    const std::pair<double, int> cases[] = {{0.2, 1}, {0.5, 1}, {0.5001, 2}, {0.75, 2}, {1.25, 3}, {1.3, 4},
        {2.0, 4}, {3.0, 5}, {4.5, 6}, {4.51, 7}, {12, 7}};
    for (const auto& [sfp, sfpClass] : cases)
        EXPECT_EQ(sfpClassOf(sfp), sfpClass) << sfp;
}

// The curve at the duty speed passes through the duty point and spans the scaled tabulated flows.
TEST(SpeedControlledSelection, DutySpeedCurvePassesThroughTheDuty)
{
    const std::vector<FanRecord> catalogue {dutyFan()};
    const SpeedControlledOutcome outcome = selectSpeedControlled(catalogue, dutyRequest(4000, 320), 30);
    ASSERT_EQ(outcome.fans.size(), 1u);
    const std::vector<QPointF> curve = dutySpeedCurve(outcome.fans[0]);
    ASSERT_EQ(curve.size(), 61u);
    EXPECT_NEAR(curve.front().x(), 800, 1e-6);
    EXPECT_NEAR(curve.back().x(), 5600, 1e-6);
    const QPointF atDuty = curve[40]; // the tabulated point 5000 m³/h
    EXPECT_NEAR(atDuty.x(), 4000, 1e-5);
    EXPECT_NEAR(atDuty.y(), 320, 1e-5);
}
