#include "common/CatalogueStore.h"
#include "common/StoreQuery.h"
#include "fans/SelectionResultTables.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace Qt::Literals::StringLiterals;

namespace {
FanRecord fanWithCurve(const QString& name, int d, int points)
{
    FanRecord fan;
    fan.name = name;
    fan.d = d;
    fan.n = 1400;
    fan.polus = 4;
    fan.fazkol = true;
    fan.krugl = true;
    fan.a = d;
    fan.b = 0;
    fan.lpaInput = 70;
    fan.money = 12000;
    fan.money600 = 15000;
    fan.stoikost = true;
    fan.ny = u"0,75"_s;
    for (int i = 0; i < points; ++i) {
        fan.columns[i] = 500.0 + 100 * i;
        fan.columns[20 + i] = 300.0 - 10 * i;
        fan.columns[40 + i] = 0.2 + 0.01 * i;
        fan.columns[60 + i] = 1.0;
    }
    // A value beyond the curve's end, as a catalogue may hold after an empty flow column.
    fan.columns[points + 1] = 9999;
    fan.pointCount = points;
    return fan;
}
} // namespace

TEST(CatalogueResultTables, GeneralRunKeepsAppendOrderNamesAndCurves)
{
    SelectionResultTables::create(CatalogueKind::General);
    const FanRecord first = fanWithCurve(u"O'Brien box"_s, 315, 6);
    const FanRecord second = fanWithCurve(u"AB 1"_s, 250, 5);
    SelectionResultTables::appendCandidates({first, second});
    SelectionResultTables::appendAccepted({second});
    SelectionResultTables::appendAccepted({first});
    EXPECT_EQ(SelectionResultTables::currentKind(), CatalogueKind::General);

    const auto candidates = SelectionResultTables::read(ResultTable::Candidates);
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0].fan.name, u"O'Brien"_s) << "series name cut before its first blank";
    EXPECT_EQ(candidates[1].fan.name, u"AB"_s);
    EXPECT_TRUE(candidates[0].fan.columns[7].has_value()) << "candidates copy every filled curve column";
    EXPECT_EQ(candidates[0].fan.lpaInput, 70);

    const auto accepted = SelectionResultTables::read(ResultTable::Accepted);
    ASSERT_EQ(accepted.size(), 2u);
    EXPECT_LT(accepted[0].num, accepted[1].num);
    EXPECT_EQ(accepted[0].fan.name, u"AB 2,5-4-3"_s);
    EXPECT_EQ(accepted[1].fan.name, u"O'Brien 3,15-4-3"_s);
    const FanRecord& kept = accepted[1].fan;
    EXPECT_EQ(kept.pointCount, 6);
    EXPECT_EQ(kept.pressure(5), 250);
    EXPECT_FALSE(kept.columns[7].has_value()) << "accepted fans keep only the columns of their points";
    EXPECT_EQ(kept.extra(5), 1.0);
    EXPECT_EQ(kept.ny, u"0,75"_s);
    EXPECT_TRUE(kept.krugl);

    const auto found = SelectionResultTables::findAccepted(u"O'Brien 3,15-4-3"_s);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->num, accepted[1].num);
    EXPECT_FALSE(SelectionResultTables::findAccepted(u"' OR 1=1 --"_s).has_value());

    // The next run starts from empty tables.
    SelectionResultTables::create(CatalogueKind::General);
    EXPECT_TRUE(SelectionResultTables::read(ResultTable::Accepted).empty());
    EXPECT_TRUE(SelectionResultTables::read(ResultTable::Candidates).empty());
}

TEST(CatalogueResultTables, SmokeVariantReplacesGeneralAndLeavesSizesAndNoiseEmpty)
{
    SelectionResultTables::create(CatalogueKind::General);
    SelectionResultTables::create(CatalogueKind::Smoke);
    EXPECT_EQ(SelectionResultTables::currentKind(), CatalogueKind::Smoke);

    SelectionResultTables::appendCandidates({fanWithCurve(u"Rad Q"_s, 800, 4)});
    SelectionResultTables::appendAccepted({fanWithCurve(u"Rad Q"_s, 800, 4)});
    const auto accepted = SelectionResultTables::read(ResultTable::Accepted);
    ASSERT_EQ(accepted.size(), 1u);
    EXPECT_EQ(accepted[0].fan.name, u"Rad 8ДУ-4"_s);
    EXPECT_TRUE(accepted[0].fan.stoikost);
    EXPECT_EQ(accepted[0].fan.money600, 15000);

    store::StoreQuery row(store::workingDatabase(), u"SELECT * FROM razmchek"_s);
    ASSERT_TRUE(row.next());
    for (const QString& column : {u"A"_s, u"B"_s, u"Lpa_Input"_s, u"Lpa_Output"_s, u"Lpa_Arround"_s})
        EXPECT_TRUE(row.isNull(column)) << column.toStdString();
    EXPECT_FALSE(row.hasField(u"Krugl"_s));
}
