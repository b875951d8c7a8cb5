#include "fans/DutySpeedFan.h"
#include "fans/FanLaws.h"
#include "fans/SelectedFan.h"
#include "fans/SpeedControlledContent.h"

#include "SelectionFixtures.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace selectionfixtures;
using namespace Qt::StringLiterals;

// The fixture fan: p = 900 − 1.6e-5·q² on flows 1000 … 7000, power 0.5 + q/10000 kW, 1400 rpm, a duct of
// 400×200 mm. The duty 4000 m³/h, 320 Pa meets its full-speed curve at 5000 m³/h: r = 0.8.
namespace {

SelectionRequest dutyRequest(FanGroup group = FanGroup::Duct)
{
    SelectionRequest request;
    request.flow = 4000;
    request.pressure = 320;
    request.group = group;
    request.series = {{u"ВКК"_s, false}};
    return request;
}

FanCurve fixtureCurve()
{
    return *FanCurve::fromRecord(dutyFan());
}

} // namespace

// Q·r, P·r², N·r³ at every tabulated point, and the interpolation between them scaled the same way.
TEST(DutySpeedFan, FanLawsScaleTheCurve)
{
    const FanCurve full = fixtureCurve();
    for (const double r : {1.0, 0.8, 0.35}) {
        SCOPED_TRACE(r);
        const FanCurve slow = scaledToSpeed(full, r);
        ASSERT_EQ(slow.n, full.n);
        EXPECT_TRUE(slow.hasPower);
        for (int i = 0; i < full.n; ++i) {
            EXPECT_DOUBLE_EQ(slow.x[i], full.x[i] * r);
            EXPECT_DOUBLE_EQ(slow.y[i], full.y[i] * r * r);
            EXPECT_DOUBLE_EQ(slow.w[i], full.w[i] * r * r * r);
        }
        for (const double q : {1000.0, 2500.0, 4321.0, 6999.0}) {
            EXPECT_NEAR(*slow.pressureAt(q * r), *full.pressureAt(q) * r * r, 1e-9);
            EXPECT_NEAR(*slow.powerAt(q * r), *full.powerAt(q) * r * r * r, 1e-12);
        }
    }
}

// The fan handed to the data sheet works at the duty on its curve at the duty speed.
TEST(DutySpeedFan, WorksAtTheDutyOnItsScaledCurve)
{
    const std::vector<FanRecord> catalogue {dutyFan()};
    const SpeedControlledOutcome outcome = selectSpeedControlled(catalogue, dutyRequest(), 30);
    ASSERT_EQ(outcome.fans.size(), 1u);
    const SpeedControlledFan& fan = outcome.fans[0];
    const ListedFan listed = listedAtDutySpeed(fan, outcome, FanGroup::Duct);

    ASSERT_TRUE(listed.speedRatio.has_value());
    EXPECT_NEAR(*listed.speedRatio, 0.8, 1e-9);
    EXPECT_EQ(listed.record.name, catalogue[0].name);
    EXPECT_EQ(listed.found.record, nullptr); // values only: nothing points into the catalogue
    EXPECT_DOUBLE_EQ(listed.found.operatingFlow, 4000);
    EXPECT_DOUBLE_EQ(listed.found.operatingPressure, 320);
    const FanCurve& curve = listed.found.curve;
    EXPECT_NEAR(curve.x[0], 800, 1e-6);
    EXPECT_NEAR(curve.lastFlow(), 5600, 1e-6);
    EXPECT_NEAR(*curve.pressureAt(4000), 320, 1e-6); // through the duty point
    EXPECT_NEAR(*curve.powerAt(4000), 0.512, 1e-9); // 0.8³·N(5000)
    EXPECT_NEAR(*listed.found.powerAtOperating, 0.512, 1e-9);
    EXPECT_NEAR(*listed.found.powerAtMaxFlow, 0.512 * 1.2, 1e-9); // 0.8³·N(7000)
    // 4000 m³/h through 400×200 mm.
    EXPECT_NEAR(*listed.found.airSpeed, 4000 / 3600.0 / 0.08, 1e-9);
    EXPECT_FALSE(listedAtDutySpeed(fan, outcome, FanGroup::Roof).found.airSpeed.has_value());
}

// "Подробно" of a speed-controlled run: the sheet gives the duty and the duty speed beside the catalogue's.
TEST(DutySpeedFan, SheetStatesTheDutySpeed)
{
    const std::vector<FanRecord> catalogue {dutyFan()};
    const SelectionRequest request = dutyRequest();
    const SpeedControlledOutcome outcome = selectSpeedControlled(catalogue, request, 30);
    const FoundFansContent content = speedControlledContentOf(outcome, request, QLatin1Char(','));
    const SelectedFan fan = selectedFanOf(content, 0);
    EXPECT_EQ(fan.flow, 4000);
    EXPECT_EQ(fan.pressure, 320);
    EXPECT_EQ(fan.requiredFlow, 4000);
    EXPECT_EQ(fan.requiredPressure, 320);

    const FanSheetValues sheet = fanSheetValuesOf(fan, QLatin1Char(','));
    const std::pair<int, QString> rows[] = {
        {0, u"4000"_s},
        {1, u"320"_s},
        {3, u"1120 (80,0% от 1400)"_s},
        {4, u"400*200"_s},
        {10, u"13,89"_s},
    };
    for (const auto& [row, value] : rows)
        EXPECT_EQ(sheet.rows.at(size_t(row)).second, value) << sheet.rows.at(size_t(row)).first.toStdString();
    EXPECT_EQ(dutySpeedCaption(fan.listed, QLatin1Char(',')), u"  при n = 1120 об/мин (80,0% от 1400)"_s);

    // A fan at catalogue speed keeps its catalogue speed and adds nothing to a title.
    SelectedFan catalogueSpeed = fan;
    catalogueSpeed.listed.speedRatio.reset();
    EXPECT_EQ(listedRow(catalogueSpeed, QLatin1Char(',')).at(5), u"1400"_s);
    EXPECT_TRUE(dutySpeedCaption(catalogueSpeed.listed, QLatin1Char(',')).isEmpty());
}

TEST(DutySpeedFan, SpeedTexts)
{
    FanRecord record = dutyFan();
    struct Case {
        int n;
        double r;
        QChar separator;
        QString text;
    };
    const Case cases[] = {
        {1400, 0.8, QLatin1Char(','), u"1120 (80,0% от 1400)"_s},
        {2850, 0.4567, QLatin1Char('.'), u"1302 (45.7% от 2850)"_s},
        {1400, 1.0, QLatin1Char(','), u"1400 (100,0% от 1400)"_s},
        {0, 0.5, QLatin1Char(','), u"50,0% от номин."_s}, // no catalogue speed
    };
    for (const Case& c : cases) {
        record.n = c.n;
        EXPECT_EQ(dutySpeedText(record, c.r, c.separator), c.text);
    }
    ListedFan noSpeed;
    noSpeed.speedRatio = 0.5;
    EXPECT_EQ(dutySpeedCaption(noSpeed, QLatin1Char(',')), u"  при 50,0% от номин. частоты"_s);
}

// The fans-found window gets each fan's full-speed curve beside its duty-speed one, and a roof run's group.
TEST(DutySpeedFan, ContentCarriesTheFullSpeedCurve)
{
    const SelectionRequest request = dutyRequest(FanGroup::Roof);
    FanRecord roof = dutyFan();
    roof.krysh = true;
    const std::vector<FanRecord> roofCatalogue {roof};
    const SpeedControlledOutcome outcome = selectSpeedControlled(roofCatalogue, request, 30);
    ASSERT_EQ(outcome.fans.size(), 1u);
    const FoundFansContent content = speedControlledContentOf(outcome, request, QLatin1Char(','));
    EXPECT_EQ(content.group, FanGroup::Roof);
    const FoundFanEntry& entry = content.fans.at(0);
    ASSERT_EQ(entry.fullSpeedCurve.size(), 61u);
    EXPECT_EQ(entry.fullSpeedCurve.front(), QPointF(1000, 884));
    EXPECT_NEAR(entry.fullSpeedCurve[40].x(), 5000, 1e-9); // the full-speed crossing: k·5000² = 500
    EXPECT_NEAR(entry.fullSpeedCurve[40].y(), 500, 1e-9);
    EXPECT_NEAR(entry.fullSpeedCurve.back().x(), 7000, 1e-9);
    // The duty-speed curve is the same drawing, scaled.
    ASSERT_EQ(entry.curve.size(), entry.fullSpeedCurve.size());
    for (size_t i = 0; i < entry.curve.size(); i += 7) {
        EXPECT_NEAR(entry.curve[i].x(), entry.fullSpeedCurve[i].x() * 0.8, 1e-6);
        EXPECT_NEAR(entry.curve[i].y(), entry.fullSpeedCurve[i].y() * 0.64, 1e-6);
    }
    EXPECT_EQ(listedRow(selectedFanOf(content, 0), QLatin1Char(',')).at(6), u"*"_s); // roof: no duct size
}
