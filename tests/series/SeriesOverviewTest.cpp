#include "series/SeriesOverview.h"
#include "fans/PiecewiseCubic.h"
#include "series/SeriesCurve.h"

#include <gtest/gtest.h>
#include <span>

using namespace series;
using namespace Qt::StringLiterals;

// The series overview computed from catalogue records held in memory.
namespace {

// A fan of six tabulated points over flows scaled from 1000 … 3500 m³/h, pressures falling from 800 Pa.
FanRecord fan(const QString& name, int d, double scale = 1.0)
{
    FanRecord f;
    f.name = name;
    f.krugl = true;
    f.a = d;
    f.d = d;
    f.n = 1400;
    f.polus = 4;
    f.fazkol = true;
    f.davlen = true;
    f.massa = 56.6;
    f.lpaInput = 74;
    f.lpaOutput = 77.5;
    f.lpaArround = 68;
    f.ny = u"0,55"_s;
    for (int i = 0; i < 6; ++i) {
        f.columns[size_t(i)] = scale * (1000 + 500 * i);
        f.columns[size_t(20 + i)] = scale * (800 - 20 * i * i);
        f.columns[size_t(40 + i)] = 0.2 * scale + 0.05 * i;
    }
    f.pointCount = 6;
    return f;
}

SeriesItem roundItem(const QString& name)
{
    return {name, 0, true, false, false};
}

double lastFlow(const fanviews::FanCurveSet& curve)
{
    return curve.flowPoints[size_t(curve.pointCount - 1)];
}

double pressureAt(const fanviews::FanCurveSet& curve, double flow)
{
    const size_t n = size_t(curve.pointCount);
    return *fans::piecewiseCubic(std::span(curve.flowPoints.data(), n),
        std::span(curve.pressurePoints.data(), n), flow, fans::CurveEnd::Closed);
}

} // namespace

TEST(SeriesOverview, LabelsOfFiveFansAreStaggeredAlongTheirCurves)
{
    std::vector<FanRecord> records;
    for (int i = 0; i < 5; ++i)
        records.push_back(fan(u"Canal R"_s, 250 + 50 * i, 1 + 0.25 * i));
    const SeriesOverview overview
        = seriesOverview(records, SeriesKind::General, roundItem(u"Canal R"_s), u',');
    ASSERT_EQ(overview.fans.size(), 5u);
    const double shares[] = {0.61, 0.48, 1.0, 0.87, 0.74};
    for (size_t k = 0; k < 5; ++k) {
        const SeriesFan& f = overview.fans[k];
        ASSERT_TRUE(f.label) << k;
        EXPECT_NEAR(f.label->x(), shares[k] * lastFlow(f.curve), 1e-9) << k;
        EXPECT_NEAR(f.label->y(), pressureAt(f.curve, f.label->x()), 1e-9) << k;
    }
    // The third label stands on the last tabulated point itself.
    const SeriesFan& third = overview.fans[2];
    EXPECT_EQ(third.label->x(), third.curve.flowPoints[5]);
    EXPECT_EQ(third.label->y(), third.curve.pressurePoints[5]);
}

TEST(SeriesOverview, LabelsPlacedByHandStayOnTheirCurve)
{
    // Flows of the fan: 1000 … 3500 m³/h.
    struct Case {
        double position;
        double expectedFlow;
    };
    const Case cases[] = {{2222, 2222}, {1000, 1000}, {3500, 3500}, {99999, 3500}, {200, 1000}, {-5, 1000}};
    for (const Case& c : cases) {
        FanRecord record = fan(u"Canal R"_s, 250);
        record.logMarks = true;
        record.marksPosition = c.position;
        const auto overview = seriesOverview({record}, SeriesKind::General, roundItem(u"Canal R"_s), u',');
        ASSERT_TRUE(overview.fans.front().label) << c.position;
        const QPointF label = *overview.fans.front().label;
        EXPECT_EQ(label.x(), c.expectedFlow) << c.position;
        EXPECT_NEAR(label.y(), pressureAt(overview.fans.front().curve, c.expectedFlow), 1e-9) << c.position;
    }
}

TEST(SeriesOverview, LabelShiftStopsAtTheEndsOfTheCurve)
{
    const fanviews::FanCurveSet curve = fanviews::curveSetOf(fan(u"X"_s, 250));
    struct Case {
        double from;
        double shift;
        double to;
    };
    const Case cases[] = {{2000, 50, 2050}, {2000, -500, 1500}, {3480, 50, 3500}, {3500, 500, 3500},
        {1020, -50, 1000}, {1000, -10, 1000}, {2000, 0, 2000}};
    for (const Case& c : cases)
        EXPECT_EQ(shiftedLabelFlow(curve, c.from, c.shift), c.to) << c.from << " " << c.shift;
}

TEST(SeriesOverview, CurvesAreDrawnWithFiveStepsPerInterval)
{
    const fanviews::FanCurveSet curve = fanviews::curveSetOf(fan(u"X"_s, 250));
    const std::vector<QPointF> drawn = seriesCurve(curve);
    ASSERT_EQ(drawn.size(), 25u) << "five steps in each of five intervals";
    EXPECT_EQ(drawn.front().x(), 1100) << "the first tabulated point is not a vertex";
    for (int j = 1; j < 6; ++j) {
        const QPointF& end = drawn[size_t(5 * j - 1)];
        EXPECT_EQ(end.x(), curve.flowPoints[size_t(j)]);
        EXPECT_NEAR(end.y(), curve.pressurePoints[size_t(j)], 1e-9);
    }

    FanRecord three = fan(u"X"_s, 250);
    three.columns[3].reset();
    three.pointCount = 3;
    const auto overview = seriesOverview({three}, SeriesKind::General, roundItem(u"X"_s), u',');
    ASSERT_EQ(overview.fans.size(), 1u) << "a fan too short to draw is still listed";
    EXPECT_TRUE(overview.fans.front().drawn.empty());
    EXPECT_FALSE(overview.fans.front().label);
}

TEST(SeriesOverview, SeriesMembershipFollowsNameFlagsAndPressureKind)
{
    std::vector<FanRecord> records;
    for (const bool davlen : {true, false, true, false}) {
        FanRecord f = fan(u"Podpor P"_s, 355 + int(records.size()) * 50);
        f.podpor = true;
        f.davlen = davlen;
        records.push_back(f);
    }
    FanRecord rectangular = fan(u"Podpor P"_s, 630);
    rectangular.krugl = false;
    rectangular.podpor = true;
    records.push_back(rectangular);
    FanRecord otherSeries = fan(u"Podpor Q"_s, 355);
    otherSeries.podpor = true;
    records.push_back(otherSeries);

    const SeriesItem pressurization {u"Podpor P"_s, 4, true, false, true};
    const auto overview = seriesOverview(records, SeriesKind::General, pressurization, u',');
    ASSERT_EQ(overview.fans.size(), 2u) << "only the fans tabulated with total pressure";
    EXPECT_EQ(overview.fans[0].record.d, 355);
    EXPECT_EQ(overview.fans[1].record.d, 455);
    EXPECT_EQ(overview.fans[1].cells[0], u"2"_s) << "rows are numbered as listed";

    // A duct series keeps its fans tabulated with static pressure: the rule is for pressurization fans.
    for (FanRecord& f : records)
        f.podpor = false;
    EXPECT_EQ(seriesOverview(records, SeriesKind::General, roundItem(u"Podpor P"_s), u',').fans.size(), 4u);
}

TEST(SeriesOverview, GeneralRowsShowTheCatalogueAsTheGridDoes)
{
    FanRecord round = fan(u"Canal R"_s, 315);
    FanRecord rectangular = fan(u"Rect S"_s, 400);
    rectangular.krugl = false;
    rectangular.a = 500;
    rectangular.b = 300;
    FanRecord manual = fan(u"Rect S"_s, 450, 1.4);
    manual.krugl = false;
    manual.a = 600;
    manual.b = 350;
    manual.autoName = false;
    manual.manualName = u"RS-9"_s;
    manual.fazkol = false;

    const auto roundRows = seriesOverview({round}, SeriesKind::General, roundItem(u"Canal R"_s), u',');
    EXPECT_EQ(roundRows.fans[0].cells,
        (QStringList {u"1"_s, u"Canal 3,15-4-3"_s, u"315"_s, u"1400"_s, u"диам. 315"_s, u"0,45"_s, u"4"_s,
            u"3"_s, u"74"_s, u"77,5"_s, u"68"_s, QString(), QString(), u"0,55"_s, u"56,6"_s}));

    const SeriesItem rect {u"Rect S"_s, 1, false, false, false};
    const auto rectRows = seriesOverview({rectangular, manual}, SeriesKind::General, rect, u'.');
    ASSERT_EQ(rectRows.fans.size(), 2u);
    EXPECT_EQ(rectRows.fans[0].cells[4], u"500*300"_s);
    const QStringList& hand = rectRows.fans[1].cells;
    EXPECT_EQ(hand[1], u"Rect RS-9"_s);
    EXPECT_EQ(hand[2], QString()) << "no diameter shown for a hand-named fan";
    EXPECT_EQ(hand[12], u"RS-9"_s);
    EXPECT_EQ(hand[5], u"0.53"_s) << "largest power, four significant digits";
    EXPECT_EQ(hand[7], u"1"_s);

    // A fan without a duct connection shows no size rather than "0*0".
    FanRecord unconnected = rectangular;
    unconnected.a = 0;
    unconnected.b = 0;
    EXPECT_EQ(seriesOverview({unconnected}, SeriesKind::General, rect, u'.').fans[0].cells[4], QString());
}

TEST(SeriesOverview, SmokeRowsAndHeadings)
{
    FanRecord rated = fan(u"Smk A"_s, 800, 2);
    rated.stoikost = true;
    FanRecord unrated = fan(u"Smk A"_s, 1000, 2.5);
    unrated.massa = 80.5;
    const SeriesItem item {u"Smk A"_s, 1};
    const auto overview = seriesOverview({rated, unrated}, SeriesKind::Smoke, item, u',');
    ASSERT_EQ(overview.fans.size(), 2u);
    EXPECT_EQ(overview.fans[0].cells,
        (QStringList {u"1"_s, u"Smk 8ДУ-4"_s, u"800"_s, u"1400"_s, u"0,65"_s, u"4"_s, u"3"_s, u"0,55"_s,
            u"57"_s, u"          +"_s, QString()}));
    EXPECT_EQ(overview.fans[1].cells[8], u"80"_s) << "mass to the nearest whole kilogram, halves to even";
    EXPECT_EQ(overview.fans[1].cells[9], u"          -"_s);

    EXPECT_EQ(headerRow(SeriesKind::Smoke, 1, u"Smk A"_s)[4], u"   на валу, Nв,кВт   "_s);
    EXPECT_EQ(headerRow(SeriesKind::Smoke, 1, u"ДЮНА"_s)[4], u"электрическая, Nэ,кВт"_s);
    EXPECT_EQ(headerRow(SeriesKind::Smoke, 0, QString()).size(), columnCount(SeriesKind::Smoke));
    EXPECT_EQ(headerRow(SeriesKind::General, 1, QString()).size(), columnCount(SeriesKind::General));
}

TEST(SeriesOverview, PressureAxisTitleFollowsTheSeries)
{
    struct Case {
        SeriesKind kind;
        int icon;
        const char16_t* title;
    };
    const Case cases[]
        = {{SeriesKind::General, 0, u"Полное давление, Па"}, {SeriesKind::General, 2, u"Полное давление, Па"},
            {SeriesKind::General, 3, u"Статическое давление, Па"},
            {SeriesKind::General, 4, u"Полное давление, Па"},
            {SeriesKind::Smoke, 1, u"Полное давление при т-ре 20°C, Па"},
            {SeriesKind::Smoke, 0, u"Статическое давление при т-ре 20°C, Па"}};
    for (const Case& c : cases) {
        SeriesItem item;
        item.icon = c.icon;
        EXPECT_EQ(pressureAxisTitle(c.kind, item), QString::fromUtf16(c.title)) << c.icon;
    }
}

TEST(SeriesOverview, FortyFansAreAllShownWithColoursRepeating)
{
    std::vector<FanRecord> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(fan(u"Big"_s, 200 + 10 * i, 1 + 0.05 * i));
    const auto overview = seriesOverview(records, SeriesKind::General, roundItem(u"Big"_s), u',');
    ASSERT_EQ(overview.fans.size(), 40u);
    for (size_t k = 0; k < 40; ++k) {
        EXPECT_EQ(overview.fans[k].cells[0], QString::number(k + 1));
        EXPECT_EQ(overview.fans[k].drawn.size(), 25u);
        ASSERT_TRUE(overview.fans[k].label);
    }
    // Labels keep their five staggered places however long the series.
    EXPECT_NEAR(overview.fans[37].label->x(), 1.0 * lastFlow(overview.fans[37].curve), 1e-9);
    EXPECT_EQ(seriesColour(36), seriesColour(0));
    EXPECT_EQ(seriesColour(39), seriesColour(3));
}

TEST(SeriesOverview, ColoursAreTheCatalogueTableInRgb)
{
    const std::pair<int, unsigned> cases[]
        = {{0, 0xFFFF00}, {1, 0x000000}, {2, 0x0000FF}, {3, 0xFF0000}, {7, 0x0FAAF0}, {35, 0x562177}};
    for (const auto& [k, rgb] : cases)
        EXPECT_EQ(seriesColour(k), rgb) << k;
}
