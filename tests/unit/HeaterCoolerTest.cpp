#include "unit/CoolerSelection.h"
#include "unit/HeaterSelection.h"
#include "unit/StandardSections.h"

#include <gtest/gtest.h>

using namespace unit;
using namespace Qt::StringLiterals;

namespace {

// Sections of the fixture candidates: index -> area, m².
double fixtureArea(int kanalIndex)
{
    switch (kanalIndex) {
    case 5:
        return 0.18;
    case 7:
        return 0.28;
    case 8:
        return 0.40;
    case 10:
        return 0.50;
    }
    return 0;
}

// A water heater whose kA is exactly `kA` kW/K (no dependence on flows).
HeaterRecord waterModel(int kanalIndex, const QString& model, double kA)
{
    HeaterRecord r;
    r.tip = u"ВНВ"_s;
    r.kanalIndex = kanalIndex;
    r.model = model;
    r.transferA = kA * 1000;
    r.length = 250;
    r.price = 20000;
    return r;
}

HeaterRecord electricModel(int kanalIndex, const QString& model, double power)
{
    HeaterRecord r;
    r.tip = u"ЭНВ"_s;
    r.kanalIndex = kanalIndex;
    r.model = model;
    r.power = power;
    return r;
}

// G = 2956 m³/h makes the air side 1 kW/K; 80/60 water makes the water side 1 kW/K.
HeaterInputs unitInputs()
{
    HeaterInputs in;
    in.flow = 2956;
    in.airIn = 0;
    in.airOut = 20;
    in.waterIn = 80;
    in.waterOut = 60;
    in.maxSpeed = 5; // Sreq = 0.164 m²
    return in;
}

} // namespace

TEST(Cooler, WorkedExampleOfBothSeries)
{
    CoolerInputs in {3500, 35, 18, 80, CoolerSeries::Freon};
    const CoolerResult freon = selectCooler(in).result.value();
    EXPECT_DOUBLE_EQ(freon.area, 0.40);
    EXPECT_EQ(freon.section, 8);
    EXPECT_EQ(freon.sizeText, u"80x50"_s);
    EXPECT_EQ(freon.model, u"ХРСБ-80x50"_s);
    EXPECT_NEAR(freon.airSpeed, 2.431, 0.0005);
    EXPECT_NEAR(freon.sensible, 19.83, 0.005);
    EXPECT_NEAR(freon.latent, 21.64, 0.005);
    EXPECT_NEAR(freon.total, 41.48, 0.005);
    EXPECT_NEAR(freon.airLoss, 55.4, 0.05);
    EXPECT_EQ(freon.condensingUnit, u"KKB-011"_s);
    EXPECT_FALSE(freon.waterFlow || freon.waterLoss);

    in.series = CoolerSeries::Water;
    const CoolerResult water = selectCooler(in).result.value();
    EXPECT_EQ(water.model, u"ХРСА-80x50"_s);
    EXPECT_NEAR(water.latent, 26.31, 0.005);
    EXPECT_NEAR(water.total, 46.15, 0.005);
    EXPECT_NEAR(water.waterFlow.value(), 6603.8, 0.05);
    EXPECT_NEAR(water.waterLoss.value(), 99.0, 0.05);
    EXPECT_NEAR(water.airLoss, 45.3, 0.05);
}

TEST(Cooler, SectionFromFlowAtThreeMetresPerSecond)
{
    const struct {
        double flow;
        double area;
        int section;
        const char16_t* size;
    } cases[] = {
        {1000, 0.125, 3, u"50x25"}, // x = 0.0926
        {864, 0.08, 2, u"40x20"}, // exactly 3 m/s in the smallest section
        {4320, 0.40, 8, u"80x50"}, // exactly 3 m/s in 0.40
        {4600, 0.50, 10, u"100x50"}, // x = 0.426: 0.45 is skipped
        {20000, 0.50, 10, u"100x50"}, // beyond the table: the largest section
    };
    for (const auto& c : cases) {
        const CoolerResult r = selectCooler({c.flow, 35, 18, 80, CoolerSeries::Freon}).result.value();
        EXPECT_DOUBLE_EQ(r.area, c.area) << c.flow;
        EXPECT_EQ(r.section, c.section) << c.flow;
        EXPECT_EQ(r.sizeText, QString::fromUtf16(c.size)) << c.flow;
    }
}

TEST(Cooler, GivenSectionIncludingNineAndRefusals)
{
    const CoolerInputs in {3500, 35, 18, 80, CoolerSeries::Water};
    // A heater of section 9 gives its cooler that section, with a size text and index of its own.
    const CoolerResult nine = selectCooler(in, 9).result.value();
    EXPECT_DOUBLE_EQ(nine.area, 0.45);
    EXPECT_EQ(nine.section, 9);
    EXPECT_EQ(nine.model, u"ХРСА-90x50"_s);
    EXPECT_NEAR(nine.waterLoss.value(), std::pow(nine.waterFlow.value() / 1000, 2) * 2.105, 1e-9);

    EXPECT_FALSE(selectCooler(in, 1).result); // no cooler of 300×150
    EXPECT_FALSE(selectCooler(in, 11).result);
    EXPECT_FALSE(selectCooler({0, 35, 18, 80, CoolerSeries::Freon}).result);
    EXPECT_FALSE(selectCooler({3500, 18, 18, 80, CoolerSeries::Freon}).result);
}

TEST(Cooler, CondensingUnitBoundsAreInclusive)
{
    const struct {
        double duty;
        const char* model;
    } cases[] = {{0, "KKB-001"}, {3.7, "KKB-001"}, {3.71, "KKB-002"}, {5.9, "KKB-002"}, {9.1, "KKB-004"},
        {9.11, "KKB-005"}, {32, "KKB-009"}, {40, "KKB-010"}, {40.01, "KKB-011"},
        {0.1 + 0.2 + 3.4, "KKB-001"}};
    for (const auto& c : cases)
        EXPECT_EQ(condensingUnitFor(c.duty), QString::fromLatin1(c.model)) << c.duty;
}

TEST(WaterHeater, FormulasOfTheChosenModel)
{
    HeaterRecord row = waterModel(5, u"ВНВ 2-60-30"_s, 0.3);
    row.exponent = 2;
    row.coefficient = 10;
    row.waterK = 1;
    row.waterC = 2;
    const HeaterChoice c = selectWaterHeater(unitInputs(), {row}, fixtureArea).choice.value();
    EXPECT_TRUE(c.found);
    EXPECT_NEAR(c.kA.value(), 0.3, 1e-12);
    const THeaterVariant& v = c.variant;
    EXPECT_NEAR(v.waterFlow, 870, 1e-9); // Q = 20 kW over 20 K of water
    EXPECT_NEAR(v.heatOutput, 24, 1e-9); // (80 - 0)·0.3
    EXPECT_NEAR(v.airOutlet, 24, 1e-9);
    EXPECT_NEAR(v.waterOutlet, 56, 1e-9);
    EXPECT_NEAR(v.airLoss, 10 * 2.956 * 2.956, 1e-9);
    EXPECT_NEAR(v.waterLoss, 2 * 8.7, 1e-9);
    EXPECT_EQ(v.kolich, 1);
    EXPECT_EQ(v.length, 250);
    EXPECT_EQ(v.price, 20000);
}

TEST(WaterHeater, FirstModelOfEnoughAreaAndTransferWithinTolerance)
{
    const double required = 20.0 / 80; // kAreq of unitInputs()
    const struct {
        const char* what;
        std::vector<HeaterRecord> candidates;
        const char16_t* chosen;
        bool found;
    } cases[] = {
        {"short by 0.0005 still covers the duty",
            {waterModel(5, u"A"_s, required - 0.0005), waterModel(5, u"B"_s, 1)}, u"A", true},
        {"short by 0.002 does not", {waterModel(5, u"A"_s, required - 0.002), waterModel(5, u"B"_s, 1)}, u"B",
            true},
        {"a narrower section is passed over", {waterModel(0, u"narrow"_s, 5), waterModel(7, u"wide"_s, 1)},
            u"wide", true},
        {"nothing fits: the last model stands in", {waterModel(5, u"A"_s, 0.1), waterModel(7, u"B"_s, 0.2)},
            u"B", false},
    };
    for (const auto& c : cases) {
        const HeaterChoice choice = selectWaterHeater(unitInputs(), c.candidates, fixtureArea).choice.value();
        EXPECT_EQ(choice.variant.model, QString::fromUtf16(c.chosen)) << c.what;
        EXPECT_EQ(choice.found, c.found) << c.what;
    }
}

TEST(Heaters, NeverNarrowerThanTheCooler)
{
    HeaterInputs in = unitInputs();
    in.maxSpeed = 2956.0 / 3600 / 0.2; // Sreq = 0.2 m²
    in.coolerArea = 0.40;
    EXPECT_NEAR(requiredHeaterArea(in), 0.399, 1e-12);
    const std::vector<HeaterRecord> water {waterModel(7, u"in 0.28"_s, 1), waterModel(8, u"in 0.40"_s, 1)};
    EXPECT_EQ(selectWaterHeater(in, water, fixtureArea).choice->variant.model, u"in 0.40"_s);
    const std::vector<HeaterRecord> electric {
        electricModel(7, u"in 0.28"_s, 20), electricModel(8, u"in 0.40"_s, 9)};
    EXPECT_EQ(selectElectricHeater(in, electric, fixtureArea).choice->variant.model, u"in 0.40"_s);
}

TEST(ElectricHeater, ClosestPowerAndTiesKeepTheEarlierModel)
{
    const HeaterInputs in = unitInputs(); // Q = 20·2956/3000 = 19.707 kW
    const auto chosen = [&](std::vector<HeaterRecord> candidates) {
        return selectElectricHeater(in, candidates, fixtureArea).choice.value();
    };
    EXPECT_EQ(chosen({electricModel(5, u"15"_s, 15), electricModel(5, u"22,5"_s, 22.5),
                         electricModel(7, u"30"_s, 30)})
                  .variant.model,
        u"22,5"_s);
    const double q = 20 * 2956.0 / 3000;
    EXPECT_EQ(
        chosen({electricModel(5, u"first"_s, q - 2), electricModel(7, u"second"_s, q + 2)}).variant.model,
        u"first"_s);
    const HeaterChoice fallback = chosen({electricModel(0, u"a"_s, 20), electricModel(0, u"b"_s, 20)});
    EXPECT_EQ(fallback.variant.model, u"b"_s);
    EXPECT_FALSE(fallback.found);

    HeaterRecord row = electricModel(5, u"ЭНВ"_s, 22.5);
    row.coefficient = 12;
    row.exponent = 1.8;
    const THeaterVariant v = chosen({row}).variant;
    EXPECT_DOUBLE_EQ(v.heatOutput, 22.5);
    EXPECT_NEAR(v.airOutlet, 22.5 * 3000 / 2956, 1e-12);
    EXPECT_NEAR(v.airLoss, 12 * std::pow(2.956, 1.8), 1e-9);
    EXPECT_EQ(v.waterFlow + v.waterOutlet + v.waterLoss, 0);
}

TEST(Heaters, InputsThatCannotHeatAreRefused)
{
    const std::vector<HeaterRecord> models {waterModel(5, u"A"_s, 1)};
    const struct {
        const char* what;
        void (*change)(HeaterInputs&);
        const char16_t* messageStart;
    } cases[] = {
        {"water as warm as the air",
            [](HeaterInputs& in) {
                in.airIn = in.waterIn;
                in.airOut = in.waterIn + 10;
            },
            u"Температура горячей воды на входе"},
        {"water colder than the air",
            [](HeaterInputs& in) {
                in.airIn = in.waterIn + 5;
                in.airOut = in.waterIn + 20;
            },
            u"Температура горячей воды на входе"},
        {"water out not below water in", [](HeaterInputs& in) { in.waterOut = in.waterIn; },
            u"Температура горячей воды на выходе"},
        {"no air flow", [](HeaterInputs& in) { in.flow = 0; }, u"Расход воздуха"},
        {"no air speed", [](HeaterInputs& in) { in.maxSpeed = 0; }, u"Максимально возможная"},
        {"air not warmed", [](HeaterInputs& in) { in.airOut = in.airIn; }, u"Температура воздуха на выходе"},
    };
    for (const auto& c : cases) {
        HeaterInputs in = unitInputs();
        c.change(in);
        const HeaterOutcome outcome = selectWaterHeater(in, models, fixtureArea);
        EXPECT_FALSE(outcome.choice) << c.what;
        EXPECT_TRUE(outcome.message.startsWith(QString::fromUtf16(c.messageStart))) << c.what;
    }
    EXPECT_FALSE(selectWaterHeater(unitInputs(), {}, fixtureArea).choice);
}

// The output (tj1 − t1)·kA is held to what the smaller capacity rate can take up: the air never leaves
// warmer than the water enters, the water never colder than the air enters. An output within that stays.
TEST(WaterHeater, OutputCappedByTheSmallerCapacityRate)
{
    const struct {
        double kA; // kW/K
        double waterOut; // °C; f = 1 kW/K, c = 20/(80 − tj2) kW/K
        double output, airOut, waterOutlet;
    } cases[] = {
        {0.3, 60, 24, 24, 56}, // within the cap: as the transfer law gives it
        {5, 60, 80, 80, 0}, // f = c: both streams reach the other's inlet
        {5, 70, 80, 80, 40}, // air the smaller rate: air leaves at tj1
        {5, 20, 80.0 / 3, 80.0 / 3, 0}, // water the smaller rate: water leaves at t1
    };
    for (const auto& c : cases) {
        HeaterInputs in = unitInputs();
        in.waterOut = c.waterOut;
        const THeaterVariant v
            = selectWaterHeater(in, {waterModel(5, u"A"_s, c.kA)}, fixtureArea).choice.value().variant;
        EXPECT_NEAR(v.heatOutput, c.output, 1e-9) << c.kA << " " << c.waterOut;
        EXPECT_NEAR(v.airOutlet, c.airOut, 1e-9) << c.kA << " " << c.waterOut;
        EXPECT_NEAR(v.waterOutlet, c.waterOutlet, 1e-9) << c.kA << " " << c.waterOut;
        EXPECT_LE(v.airOutlet, in.waterIn + 1e-9);
        EXPECT_GE(v.waterOutlet, in.airIn - 1e-9);
    }
}

TEST(Heaters, ShortfallOfTheChosenModelIsSaid)
{
    const HeaterInputs in = unitInputs(); // water: 20 kW; electric: 19.71 kW
    const struct {
        const char* what;
        HeaterChoice choice;
        bool covers;
    } cases[] = {
        {"water heater of enough transfer",
            selectWaterHeater(in, {waterModel(5, u"A"_s, 1)}, fixtureArea).choice.value(), true},
        {"water heater short within the tolerance",
            selectWaterHeater(in, {waterModel(5, u"A"_s, 0.25 - 0.0005)}, fixtureArea).choice.value(), true},
        {"only a small water heater",
            selectWaterHeater(in, {waterModel(5, u"A"_s, 0.1)}, fixtureArea).choice.value(), false},
        {"electric heater above the duty",
            selectElectricHeater(in, {electricModel(5, u"E"_s, 22.5)}, fixtureArea).choice.value(), true},
        {"the nearest electric heater below the duty",
            selectElectricHeater(in, {electricModel(5, u"E"_s, 5)}, fixtureArea).choice.value(), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.choice.variant.coversDuty, c.covers) << c.what;
        EXPECT_EQ(heaterShortfallMessage(c.choice.variant, u'.').isEmpty(), c.covers) << c.what;
    }
    const THeaterVariant small
        = selectElectricHeater(in, {electricModel(5, u"ЭНВ 5"_s, 5)}, fixtureArea).choice->variant;
    EXPECT_EQ(heaterShortfallMessage(small, u','),
        u"Тепловая мощность выбранного теплообменника ЭНВ 5 (5 кВт) меньше требуемой (19,71 кВт): воздух на "
        u"выходе не нагреется до заданной температуры. Выберите другую модель теплообменника."_s);
}

TEST(Heaters, InputsBeyondTheBoxesAndResultsNotFiniteAreRefused)
{
    const struct {
        const char* what;
        void (*change)(HeaterInputs&);
        const char16_t* message;
    } cases[] = {
        {"air speed above the box", [](HeaterInputs& in) { in.maxSpeed = 15.5; },
            u"Максимально возможная скорость воздуха не может быть больше 15 м/с!!!"},
        {"air far below anything", [](HeaterInputs& in) { in.airIn = -1e308; },
            u"Результат расчета выходит за пределы допустимых значений?! Уточните исходные данные."},
    };
    for (const auto& c : cases) {
        HeaterInputs in = unitInputs();
        c.change(in);
        const HeaterOutcome water = selectWaterHeater(in, {waterModel(5, u"A"_s, 1)}, fixtureArea);
        EXPECT_FALSE(water.choice) << c.what;
        EXPECT_EQ(water.message, QString::fromUtf16(c.message)) << c.what;
    }
    HeaterInputs in = unitInputs();
    in.maxSpeed = 15; // the box's bound itself is taken
    EXPECT_TRUE(selectElectricHeater(in, {electricModel(5, u"E"_s, 20)}, fixtureArea).choice);
    in.maxSpeed = 16;
    EXPECT_FALSE(selectElectricHeater(in, {electricModel(5, u"E"_s, 20)}, fixtureArea).choice);
}

TEST(Cooler, HumidityOutsideZeroToHundredIsRefused)
{
    const struct {
        double humidity;
        bool refused;
    } cases[] = {{150, true}, {100.01, true}, {-1, true}, {0, false}, {100, false}, {80, false}};
    for (const auto& c : cases) {
        for (CoolerSeries series : {CoolerSeries::Freon, CoolerSeries::Water}) {
            const CoolerOutcome outcome = selectCooler({3500, 35, 18, c.humidity, series});
            EXPECT_EQ(!outcome.result, c.refused) << c.humidity;
            EXPECT_EQ(outcome.message,
                c.refused ? u"Относительная влажность воздуха должна быть от 0 до 100 %!!!"_s : QString())
                << c.humidity;
        }
    }
    EXPECT_EQ(selectCooler({1e307, 35, 18, 80, CoolerSeries::Water}).message,
        u"Результат расчета выходит за пределы допустимых значений?! Уточните исходные данные."_s);
}
