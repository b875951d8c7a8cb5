#include "fans/FanSelection.h"
#include "fans/SelectionMessages.h"

#include "SelectionFixtures.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace selectionfixtures;

namespace {

SelectionRequest dutyRequest(std::vector<SeriesChoice> series)
{
    SelectionRequest request;
    request.flow = 5000;
    request.pressure = 500;
    request.rangePercent = 15;
    request.series = std::move(series);
    return request;
}

SeriesChoice rect(const char* name)
{
    return {QString::fromUtf8(name), false};
}

QStringList designationsOf(const SelectionOutcome& outcome)
{
    QStringList names;
    for (const FoundFan& fan : outcome.fans)
        names << fan.record->name + QString::number(fan.record->d);
    return names;
}

} // namespace

// Each filter keeps the fan when the user's choice allows it and drops it otherwise.
TEST(SelectionFilters, EachFilterKeepsOrDrops)
{
    struct Case {
        const char* what;
        std::function<void(FanRecord&)> fan;
        std::function<void(SelectionRequest&)> request;
        bool kept;
    };
    const Case cases[] = {
        {"all defaults", {}, {}, true},
        {"other series name", [](FanRecord& f) { f.name = QStringLiteral("ВКП"); }, {}, false},
        {"name differs in case", [](FanRecord& f) { f.name = QStringLiteral("вкк"); }, {}, false},
        {"round record, rectangular entry", [](FanRecord& f) { f.krugl = true; }, {}, false},
        {"round record, round entry", [](FanRecord& f) { f.krugl = true; },
            [](SelectionRequest& r) { r.series[0].round = true; }, true},
        {"roof record in the duct group", [](FanRecord& f) { f.krysh = true; }, {}, false},
        {"roof record, roof group", [](FanRecord& f) { f.krysh = true; },
            [](SelectionRequest& r) { r.group = FanGroup::Roof; }, true},
        {"roof group ignores a round tick", [](FanRecord& f) { f.krysh = true; },
            [](SelectionRequest& r) {
                r.group = FanGroup::Roof;
                r.series[0].round = true;
            },
            true},
        {"pressurization, total wanted, total curve", [](FanRecord& f) { f.podpor = f.davlen = true; },
            [](SelectionRequest& r) { r.group = FanGroup::Pressurization; }, true},
        {"pressurization, static wanted, total curve", [](FanRecord& f) { f.podpor = f.davlen = true; },
            [](SelectionRequest& r) {
                r.group = FanGroup::Pressurization;
                r.pressureKind = PressureKind::Static;
            },
            false},
        {"pressurization, static wanted, static curve", [](FanRecord& f) { f.podpor = true; },
            [](SelectionRequest& r) {
                r.group = FanGroup::Pressurization;
                r.pressureKind = PressureKind::Static;
            },
            true},
        {"diameter unticked", {},
            [](SelectionRequest& r) {
                r.diameters = {{QStringLiteral("400"), false}};
            },
            false},
        {"other diameter unticked", {},
            [](SelectionRequest& r) {
                r.diameters = {{QStringLiteral("400"), true}, {QStringLiteral("450"), false}};
            },
            true},
        {"rectangular size unticked", {},
            [](SelectionRequest& r) {
                r.sizes = {{QStringLiteral("400*200"), false}};
            },
            false},
        {"same numbers as a round size", {},
            [](SelectionRequest& r) {
                r.sizes = {{QStringLiteral("400"), false}};
            },
            true},
        {"round size unticked", [](FanRecord& f) { f.krugl = true; },
            [](SelectionRequest& r) {
                r.series[0].round = true;
                r.sizes = {{QStringLiteral("400"), false}};
            },
            false},
        {"size unticked, pressurization fan", [](FanRecord& f) { f.podpor = f.davlen = true; },
            [](SelectionRequest& r) {
                r.group = FanGroup::Pressurization;
                r.sizes = {{QStringLiteral("400*200"), false}};
            },
            false},
        {"size unticked, roof fan", [](FanRecord& f) { f.krysh = true; },
            [](SelectionRequest& r) {
                r.group = FanGroup::Roof;
                r.sizes = {{QStringLiteral("400*200"), false}};
            },
            true},
        {"4 poles unticked", {},
            [](SelectionRequest& r) {
                r.poles = {true, false, true, true};
            },
            false},
        {"other poles unticked", {},
            [](SelectionRequest& r) {
                r.poles = {false, true, false, false};
            },
            true},
        {"12 poles pass whatever is ticked", [](FanRecord& f) { f.polus = 12; },
            [](SelectionRequest& r) {
                r.poles = {false, false, false, false};
            },
            true},
        {"three-phase unticked", {}, [](SelectionRequest& r) { r.threePhase = false; }, false},
        {"single-phase unticked, three-phase fan", {}, [](SelectionRequest& r) { r.singlePhase = false; },
            true},
        {"single-phase unticked, single-phase fan", [](FanRecord& f) { f.fazkol = false; },
            [](SelectionRequest& r) { r.singlePhase = false; }, false},
    };
    for (const Case& c : cases) {
        std::vector<FanRecord> catalogue {dutyFan()};
        if (c.fan)
            c.fan(catalogue[0]);
        SelectionRequest request = dutyRequest({rect("ВКК")});
        if (c.request)
            c.request(request);
        const SelectionOutcome outcome = selectFans(catalogue, request);
        EXPECT_EQ(outcome.candidates.size(), c.kept ? 1u : 0u) << c.what;
        EXPECT_EQ(outcome.fans.size(), c.kept ? 1u : 0u) << c.what;
    }
}

// Fans are listed by series in list order, and within a series in catalogue order; a record whose curve
// cannot be interpolated is skipped without stopping the run.
TEST(SelectionRun, ResultOrderFollowsSeriesListThenCatalogue)
{
    std::vector<FanRecord> catalogue {
        dutyFan("Б", 900), dutyFan("А", 900), dutyFan("Б", 880), dutyFan("А", 920), dutyFan("В", 900)};
    for (size_t i = 0; i < catalogue.size(); ++i)
        catalogue[i].d = int(300 + 10 * i);
    catalogue.push_back(fanRecord(QStringLiteral("А"), {1000, 3000, 3000, 7000}, parabola(900)));
    const SelectionOutcome outcome = selectFans(catalogue, dutyRequest({rect("Б"), rect("А")}));
    ASSERT_EQ(outcome.status, SelectionOutcome::Status::Listed);
    EXPECT_EQ(designationsOf(outcome), QStringLiteral("Б300 Б320 А310 А330").split(QLatin1Char(' ')));
    EXPECT_EQ(outcome.candidates.size(), 5u); // the unusable curve passed the filters
}

TEST(SelectionRun, TwentyNineFansAreListedAndTheThirtiethEndsTheRun)
{
    for (int count : {29, 30, 31}) {
        std::vector<FanRecord> catalogue;
        for (int i = 0; i < count; ++i)
            catalogue.push_back(dutyFan("ВКК", 880 + i));
        const SelectionOutcome outcome = selectFans(catalogue, dutyRequest({rect("ВКК")}));
        if (count == 29) {
            EXPECT_EQ(outcome.status, SelectionOutcome::Status::Listed);
            EXPECT_EQ(outcome.fans.size(), 29u);
            EXPECT_TRUE(outcome.messages.isEmpty());
        } else {
            EXPECT_EQ(outcome.status, SelectionOutcome::Status::TooManyFans) << count;
            EXPECT_EQ(outcome.messages, QStringList {messages::tooManyFans()}) << count;
        }
    }
}

TEST(SelectionRun, RunsThatFindNothingSayWhy)
{
    const std::vector<FanRecord> catalogue {dutyFan()};
    const SelectionOutcome none = selectFans(catalogue, dutyRequest({}));
    EXPECT_EQ(none.status, SelectionOutcome::Status::NoSeriesTicked);
    EXPECT_EQ(none.messages, QStringList {messages::noSeriesTicked()});

    SelectionRequest far = dutyRequest({rect("ВКК")});
    far.flow = 20000;
    const SelectionOutcome missed = selectFans(catalogue, far);
    EXPECT_EQ(missed.status, SelectionOutcome::Status::NothingAccepted);
    EXPECT_EQ(missed.messages, (QStringList {messages::nothingAccepted(), messages::nothingAcceptedHint()}));
}

TEST(SelectionRun, RowValuesAndRunRecord)
{
    std::vector<FanRecord> catalogue {dutyFan(), dutyFan()};
    catalogue[1].krugl = true;
    catalogue[1].a = 315;
    SelectionRequest request = dutyRequest({rect("ВКК"), {QStringLiteral("ВКК"), true}});
    const SelectionOutcome outcome = selectFans(catalogue, request);
    ASSERT_EQ(outcome.fans.size(), 2u);
    for (const FoundFan& fan : outcome.fans) {
        EXPECT_NEAR(fan.operatingFlow, 5000, 0.5);
        EXPECT_DOUBLE_EQ(fan.operatingPressure, 0.00002 * fan.operatingFlow * fan.operatingFlow);
        ASSERT_TRUE(fan.powerAtOperating);
        EXPECT_NEAR(*fan.powerAtOperating, 0.5 + fan.operatingFlow / 10000, 1e-9);
        EXPECT_DOUBLE_EQ(*fan.powerAtMaxFlow, 0.5 + 7000.0 / 10000);
        ASSERT_TRUE(fan.airSpeed);
    }
    const double q = outcome.fans[0].operatingFlow;
    EXPECT_DOUBLE_EQ(*outcome.fans[0].airSpeed, q * 1e6 / (200.0 * 400 * 3600));
    EXPECT_DOUBLE_EQ(*outcome.fans[1].airSpeed, q * 1e6 / (315.0 * 315 * 11309.733552923255 / 4));

    request.group = FanGroup::Roof;
    catalogue[0].krysh = true;
    const SelectionOutcome roof = selectFans(catalogue, request);
    ASSERT_EQ(roof.fans.size(), 1u);
    EXPECT_FALSE(roof.fans[0].airSpeed); // no duct speed for roof fans

    const SelectionRun run = runRecord(roof, request);
    EXPECT_EQ(run.requiredFlow, 5000);
    EXPECT_EQ(run.requiredPressure, 500);
    EXPECT_TRUE(run.roofRun);
    ASSERT_EQ(run.operatingPoints.size(), 1u);
    EXPECT_EQ(run.operatingPoints[0].seriesIndex, 4);
    EXPECT_EQ(run.operatingPoints[0].pressure, 500); // 499.9… or 500.0… on the system curve, rounded
}
