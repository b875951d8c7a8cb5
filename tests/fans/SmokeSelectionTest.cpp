#include "fans/SmokeSelection.h"
#include "fans/FanDesignation.h"
#include "fans/SelectionMessages.h"
#include "fans/SelectionResultTables.h"
#include "fans/SmokeFoundFanRow.h"
#include "fans/SmokeSelectionValidation.h"

#include "SelectionFixtures.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace selectionfixtures;
using namespace Qt::StringLiterals;

namespace {

SmokeSelectionRequest smokeRequest(double temperature, double pressure = 500)
{
    SmokeSelectionRequest request;
    request.flow = 5000;
    request.pressure = pressure;
    request.temperature = temperature;
    request.temperatureText = QString::number(temperature);
    request.series = {u"ВКК"_s};
    return request;
}

} // namespace

TEST(SmokeGas, DensityAndCurveFactor)
{
    EXPECT_DOUBLE_EQ(gasDensity(20), 1.19682);
    EXPECT_DOUBLE_EQ(gasCurveFactor(20), 1.0);
    EXPECT_DOUBLE_EQ(gasCurveFactor(293), 293.0 / 566.0);
    EXPECT_NEAR(gasCurveFactor(293), 0.5177, 5e-5);
    EXPECT_DOUBLE_EQ(gasDensity(400), 1.19682 * 293 / 673);
}

// The run works on the curves of the gas: at 20 °C those of the catalogue, at 293 °C pressures and
// powers times 293/566; flows stay as they are, and so does the record the row is made of.
TEST(SmokeGas, RunRescalesPressuresAndPowersOnly)
{
    const std::vector<FanRecord> catalogue {dutyFan("ВКК", 900, 7000)};
    for (const double temperature : {20.0, 293.0}) {
        const double factor = temperature == 20 ? 1.0 : 293.0 / 566.0;
        const SelectionOutcome outcome = selectSmokeFans(catalogue, smokeRequest(temperature, 500 * factor));
        ASSERT_EQ(outcome.status, SelectionOutcome::Status::Listed) << temperature;
        const FoundFan& fan = outcome.fans.at(0);
        const FanRecord& stored = catalogue[0];
        EXPECT_EQ(fan.record, &stored);
        for (int i = 0; i < stored.pointCount; ++i) {
            EXPECT_EQ(fan.curve.x[size_t(i)], stored.flow(i));
            EXPECT_DOUBLE_EQ(fan.curve.y[size_t(i)], stored.pressure(i) * factor) << temperature;
            EXPECT_DOUBLE_EQ(fan.curve.w[size_t(i)], stored.power(i) * factor) << temperature;
        }
        // The duty pressure scaled as the curve keeps the crossing at the duty flow.
        EXPECT_NEAR(fan.operatingFlow, 5000, 0.5) << temperature;
    }
    // The hot gas makes the same fan too weak for the cold duty.
    EXPECT_EQ(
        selectSmokeFans(catalogue, smokeRequest(293)).status, SelectionOutcome::Status::NothingAccepted);
}

TEST(SmokeGas, StoredRecordScalesColumns21To80AndKeepsEmptyOnesEmpty)
{
    FanRecord record = dutyFan("ВКК", 900, 5000);
    record.columns[60] = 0.6;
    const FanRecord scaled = rescaledRecord(record, 0.5);
    for (int i = 0; i < FanRecord::curveColumnCount; ++i) {
        const auto& before = record.columns[size_t(i)];
        const auto& after = scaled.columns[size_t(i)];
        ASSERT_EQ(before.has_value(), after.has_value()) << i + 1;
        if (before) {
            EXPECT_DOUBLE_EQ(*after, i < 20 ? *before : *before * 0.5) << i + 1;
        }
    }
    EXPECT_EQ(scaled.pointCount, record.pointCount);
}

TEST(SmokeCandidates, PoleDiameterAndSeriesFilters)
{
    struct Case {
        const char* what;
        int polus;
        std::function<void(SmokeSelectionRequest&)> request;
        bool kept;
    };
    auto untick
        = [](int index) { return [index](SmokeSelectionRequest& r) { r.poles[size_t(index)] = false; }; };
    const Case cases[] = {
        {"2 poles unticked", 2, untick(0), false},
        {"4 poles unticked", 4, untick(1), false},
        {"6 poles unticked", 6, untick(2), false},
        {"8 poles unticked", 8, untick(3), false},
        {"12 poles unticked", 12, untick(4), false},
        {"16 poles unticked", 16, untick(5), false},
        {"16 poles, 12 unticked", 16, untick(4), true},
        {"a pole count without a box", 10, [](SmokeSelectionRequest& r) { r.poles.fill(false); }, true},
        {"diameter unticked", 4,
            [](SmokeSelectionRequest& r) {
                r.diameters = {{u"400"_s, false}};
            },
            false},
        {"other diameter unticked", 4,
            [](SmokeSelectionRequest& r) {
                r.diameters = {{u"450"_s, false}};
            },
            true},
        {"series not ticked", 4, [](SmokeSelectionRequest& r) { r.series = {u"ВКП"_s}; }, false},
    };
    for (const Case& c : cases) {
        FanRecord fan = dutyFan("ВКК");
        fan.polus = c.polus;
        SmokeSelectionRequest request = smokeRequest(20);
        c.request(request);
        const SelectionOutcome outcome = selectSmokeFans({fan}, request);
        EXPECT_EQ(outcome.candidates.size(), c.kept ? 1u : 0u) << c.what;
    }
}

// Records of a ticked series are candidates whatever their Davlen, phase or fire rating; results come by
// series in list order, then catalogue order.
TEST(SmokeCandidates, OrderAndWhatIsNotTested)
{
    std::vector<FanRecord> catalogue;
    for (const auto& [name, d, davlen] : {std::tuple("B", 400, true), std::tuple("A", 450, false),
             std::tuple("B", 500, false), std::tuple("A", 560, true)}) {
        FanRecord fan = dutyFan(name);
        fan.d = d;
        fan.davlen = davlen;
        fan.fazkol = d == 500;
        catalogue.push_back(fan);
    }
    SmokeSelectionRequest request = smokeRequest(20);
    request.series = {u"A"_s, u"B"_s, u"A"_s};
    const SelectionOutcome outcome = selectSmokeFans(catalogue, request);
    std::vector<int> order;
    for (const FanRecord* r : outcome.candidates)
        order.push_back(r->d);
    EXPECT_EQ(order, (std::vector<int> {450, 560, 400, 500}));

    request.series.clear();
    const SelectionOutcome none = selectSmokeFans(catalogue, request);
    EXPECT_EQ(none.status, SelectionOutcome::Status::NoSeriesTicked);
    EXPECT_EQ(none.messages, QStringList {messages::noSmokeSeriesTicked()});
}

// The run shares the general limit: 29 fans are listed, the 30th ends the run with its message.
TEST(SmokeCandidates, TwentyNineFansAreListedThirtyAreTooMany)
{
    for (const int count : {29, 30}) {
        std::vector<FanRecord> catalogue(size_t(count), dutyFan("ВКК"));
        const SelectionOutcome outcome = selectSmokeFans(catalogue, smokeRequest(20));
        EXPECT_EQ(outcome.status,
            count == 29 ? SelectionOutcome::Status::Listed : SelectionOutcome::Status::TooManyFans);
        EXPECT_EQ(outcome.messages, count == 29 ? QStringList {} : QStringList {messages::tooManyFans()});
    }
}

TEST(SmokeDesignation, SeriesPrefixDiameterAndPoles)
{
    struct Case {
        const char* name;
        int d;
        int polus;
        const char* expected;
    };
    const Case cases[] = {
        {"X", 800, 4, "X 8ДУ-4"},
        {"КДУ-ГЭСТ крышный", 355, 4, "КДУ-ГЭСТ 3,55ДУ-4"},
        {"ОСД", 1250, 16, "ОСД 12,5ДУ-16"},
        {"ВРД", 450, 2, "ВРД 4,5ДУ-2"},
        {"ОЧЕНЬ-ДЛИННАЯ-СЕРИЯ-ДЫМА дл", 1000, 12, "ОЧЕНЬ-ДЛИННАЯ-СЕРИЯ-ДЫМА "},
    };
    for (const Case& c : cases) {
        FanRecord fan;
        fan.name = QString::fromUtf8(c.name);
        fan.d = c.d;
        fan.polus = c.polus;
        EXPECT_EQ(smokeDesignation(fan), QString::fromUtf8(c.expected)) << c.name;
    }
}

TEST(SmokeRows, FourteenCellsWithFireResistanceAndLargestPower)
{
    FanRecord record = dutyFan("X", 900, 7000);
    record.d = 800;
    record.polus = 4;
    record.fazkol = false;
    record.ny = u"5,5"_s;
    record.massa = 120.5;
    // The power peaks inside the curve, not at its last point.
    for (int i = 0; i < record.pointCount; ++i)
        record.columns[size_t(40 + i)] = i == 3 ? 2.5 : 1.0;
    const std::vector<FanRecord> catalogue {record};
    SmokeSelectionRequest request = smokeRequest(20);
    request.series = {u"X"_s};
    const SelectionOutcome outcome = selectSmokeFans(catalogue, request);
    ASSERT_EQ(outcome.status, SelectionOutcome::Status::Listed);
    const QStringList row = smokeFoundFanRow(outcome.fans[0], FireClass::C400, 1, QLatin1Char(','));
    ASSERT_EQ(row.size(), smokeFoundFanColumns);
    EXPECT_EQ(row[0], u"1"_s);
    EXPECT_EQ(row[1], u"X 8ДУ-4"_s);
    EXPECT_EQ(row[2], u"5000"_s);
    EXPECT_EQ(row[3], u"500"_s);
    EXPECT_EQ(row[4], u"800"_s);
    EXPECT_EQ(row[5], u"1400"_s);
    EXPECT_TRUE(row[6].endsWith(u" (на валу)"_s)) << row[6].toStdString();
    EXPECT_EQ(row[7], u"4"_s);
    EXPECT_EQ(row[8], u"1"_s);
    EXPECT_EQ(row[9], u"2,5 (на валу)"_s);
    EXPECT_EQ(row[10], u"          +"_s);
    EXPECT_EQ(row[11], QString());
    EXPECT_EQ(row[12], u"5,5"_s);
    EXPECT_EQ(row[13], u"120"_s); // halves to even

    struct Fire {
        FireClass fireClass;
        bool stoikost;
        const char* cell;
    };
    for (const Fire& f : {Fire {FireClass::C400, false, "          +"},
             Fire {FireClass::C600, true, "          +"}, Fire {FireClass::C600, false, "          -"}}) {
        record.stoikost = f.stoikost;
        EXPECT_EQ(fireResistanceCell(record, f.fireClass), QString::fromUtf8(f.cell));
    }
    EXPECT_EQ(smokeFoundFanHeaderRow(1, FireClass::C400)[10], u"400°C/2часа"_s);
    EXPECT_EQ(smokeFoundFanHeaderRow(1, FireClass::C600)[10], u"600°C/2часа"_s);
}

TEST(SmokeValidation, FaultsInTheOrderTheUserIsToldAboutThem)
{
    struct Case {
        const char* what;
        std::function<void(SmokeSelectionRequest&)> change;
        SmokeRequestFault fault;
    };
    const Case cases[] = {
        {"valid", {}, SmokeRequestFault::None},
        {"absolute zero", [](SmokeSelectionRequest& r) { r.temperature = -273; },
            SmokeRequestFault::TemperatureTooLow},
        {"just above absolute zero", [](SmokeSelectionRequest& r) { r.temperature = -272.9; },
            SmokeRequestFault::None},
        {"cold gas and no flow",
            [](SmokeSelectionRequest& r) {
                r.temperature = -300;
                r.flow = 0;
            },
            SmokeRequestFault::TemperatureTooLow},
        {"no flow and no pressure",
            [](SmokeSelectionRequest& r) {
                r.flow = 0;
                r.pressure = -1;
            },
            SmokeRequestFault::FlowNotPositive},
        {"no pressure", [](SmokeSelectionRequest& r) { r.pressure = 0; },
            SmokeRequestFault::PressureNotPositive},
        {"no diameter",
            [](SmokeSelectionRequest& r) {
                r.diameters = {{u"400"_s, false}};
            },
            SmokeRequestFault::NoDiameter},
        {"no poles", [](SmokeSelectionRequest& r) { r.poles.fill(false); }, SmokeRequestFault::NoPoles},
    };
    for (const Case& c : cases) {
        SmokeSelectionRequest request = smokeRequest(20);
        request.diameters = {{u"400"_s, true}};
        if (c.change)
            c.change(request);
        EXPECT_EQ(checkSmokeRequest(request), c.fault) << c.what;
    }
    EXPECT_EQ(smokeFaultMessage(SmokeRequestFault::PressureNotPositive, SmokeGroup::RoofWall),
        u"Статическое давление преодолеваемое вентилятором должно быть больше нуля!!!"_s);
    EXPECT_EQ(smokeFaultMessage(SmokeRequestFault::PressureNotPositive, SmokeGroup::RadialAxial),
        u"Полное давление преодолеваемое вентилятором должно быть больше нуля!!!"_s);
}

// The smoke variant of the result tables: candidates named by their series prefix, accepted fans by
// their smoke designation, both with the curves of the gas.
TEST(SmokeResultTables, StoreTheRescaledCurvesUnderSmokeNames)
{
    FanRecord record = dutyFan("X", 900, 7000);
    record.name = u"X крышный"_s;
    record.d = 800;
    record.stoikost = true;
    record.money600 = 40000;
    FanRecord weak = dutyFan("X", 300, 7000);
    weak.name = record.name;
    weak.d = 355;
    const std::vector<FanRecord> catalogue {record, weak};
    SmokeSelectionRequest request = smokeRequest(293, 500 * 293.0 / 566);
    request.series = {record.name};
    const SelectionOutcome outcome = runSmokeSelectionWithTables(catalogue, request);
    ASSERT_EQ(outcome.status, SelectionOutcome::Status::Listed);
    EXPECT_EQ(SelectionResultTables::currentKind(), CatalogueKind::Smoke);

    const auto candidates = SelectionResultTables::read(ResultTable::Candidates);
    ASSERT_EQ(candidates.size(), 2u);
    EXPECT_EQ(candidates[0].fan.name, u"X"_s);
    const auto accepted = SelectionResultTables::read(ResultTable::Accepted);
    ASSERT_EQ(accepted.size(), 1u);
    const FanRecord& stored = accepted[0].fan;
    EXPECT_EQ(stored.name, u"X 8ДУ-4"_s);
    EXPECT_TRUE(stored.stoikost);
    EXPECT_DOUBLE_EQ(stored.money600, 40000);
    EXPECT_DOUBLE_EQ(stored.flow(2), record.flow(2));
    EXPECT_NEAR(stored.pressure(2), record.pressure(2) * 293 / 566, 1e-9);
    EXPECT_NEAR(stored.power(2), record.power(2) * 293 / 566, 1e-9);

    const SmokeSelectionRun run = smokeRunRecord(outcome, request);
    EXPECT_TRUE(run.roofRun);
    EXPECT_EQ(run.gasTemperatureText, u"293"_s);
    ASSERT_EQ(run.operatingPoints.size(), 1u);
    EXPECT_EQ(run.operatingPoints[0].seriesIndex, 4);
}
