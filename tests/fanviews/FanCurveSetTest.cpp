#include "fanviews/FanCurveSet.h"
#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "common/StoreTable.h"
#include "fans/SelectionResultTables.h"
#include "fanviews/CurveLoading.h"

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

// A RAZMDIAP of the general kind holding the given records (field name → value).
void writeResultTable(const std::vector<std::vector<std::pair<QString, QVariant>>>& records)
{
    fans::SelectionResultTables::create(fans::CatalogueKind::General);
    for (const auto& record : records) {
        QStringList columns;
        QVariantList values;
        for (const auto& [column, value] : record) {
            columns << column;
            values << value;
        }
        store::appendRecords(store::workingDatabase(), u"RAZMDIAP"_s, columns, {values});
    }
}

std::vector<std::pair<QString, QVariant>> curveRecord(const QString& name, int flowsFilled)
{
    std::vector<std::pair<QString, QVariant>> record {{u"Name"_s, name}};
    for (int i = 1; i <= flowsFilled; ++i) {
        record.emplace_back(QString::number(i), 1000.0 * i);
        record.emplace_back(QString::number(i + 20), 900.0 - 50 * i);
        record.emplace_back(QString::number(i + 40), 0.1 * i);
    }
    return record;
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

TEST(FanCurveLoading, FindsTheDesignationWithoutRegardToCaseAndStopsAtTheFirstEmptyFlow)
{
    auto gap = curveRecord(u"ВКК 3,15-4-3"_s, 7);
    gap.emplace_back(u"9"_s, 9000.0); // after the empty flow 8: not read
    writeResultTable({curveRecord(u"ВКК 3,15-4-3X"_s, 5), gap, curveRecord(u"ДЮНА 2-2-1"_s, 12)});

    const FanCurveSet found = loadCurveSet(u"вкк 3,15-4-3"_s);
    EXPECT_EQ(found.pointCount, 7) << "whole value, not the longer designation listed first";
    EXPECT_DOUBLE_EQ(found.flowPoints[6], 7000);
    EXPECT_DOUBLE_EQ(found.pressurePoints[6], 550);
    EXPECT_DOUBLE_EQ(found.powerPoints[6], 0.7);
    EXPECT_EQ(loadCurveSet(u"ДЮНА 2-2-1"_s).pointCount, 12);
    EXPECT_EQ(loadCurveSet(u"ВКК"_s).pointCount, 0) << "a prefix is no match";
}

TEST(FanCurveLoading, TextThatIsNoNumberIsAStoreError)
{
    auto record = curveRecord(u"ВКК 4-4-3"_s, 6);
    for (auto& [column, value] : record) {
        if (column == u"24")
            value = u"abc"_s;
    }
    writeResultTable({record});
    EXPECT_THROW(loadCurveSet(u"ВКК 4-4-3"_s), CatalogueError);
}
