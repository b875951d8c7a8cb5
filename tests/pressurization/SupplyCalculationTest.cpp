#include "pressurization/SupplyCalculation.h"
#include "SupplyFixtures.h"
#include "pressurization/SupplyDuct.h"
#include "pressurization/SupplyTables.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace pressurization;

namespace {

void expectNear(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, std::abs(expected) * 1e-9 + 1e-9) << what;
}

SupplyValues valuesWithDucts(SupplyScheme scheme)
{
    SupplyValues v;
    v.scheme = scheme;
    for (auto& sections : v.sections)
        sections = {straightDuct()};
    return v;
}

TEST(SupplyDuct, LossOfStraightSectionsAndFittings)
{
    // v = 3600 / (2827.433 · 0.25) ≈ 5.093 m/s; Δp = v² · 0.0194 · 20 · 0.6 ≈ 6.04 Pa.
    EXPECT_NEAR(ductLoss({straightDuct()}, 3600, 1), 6.04, 0.005);
    // Twice the flow in the separate scheme: four times the loss.
    EXPECT_NEAR(ductLoss({straightDuct()}, 3600, 2), 4 * ductLoss({straightDuct()}, 3600, 1), 1e-9);
    EXPECT_EQ(ductLoss({}, 3600, 1), 0);

    // A grille of 0.8 m² with its coefficient: d = √(F / 0.785), v = Q / (3600 · F).
    Ychastok_record grille = straightDuct();
    grille.kind = static_cast<int>(SupplyFittingKind::IntakeGrille);
    grille.area = 0.8;
    grille.localCoefficient = 0.5;
    const double v = 3600.0 / (3600 * 0.8);
    EXPECT_NEAR(
        ductLoss({grille}, 3600, 1), v * v * (0.0194 * 10 / std::sqrt(0.8 / 0.785) + 0.5) * 0.6, 1e-12);
    EXPECT_NEAR(ductLoss({straightDuct(), grille}, 3600, 1),
        ductLoss({straightDuct()}, 3600, 1) + ductLoss({grille}, 3600, 1), 1e-12);
}

TEST(SupplyDuct, FittingCoefficientsOfTheSupplyKinds)
{
    EXPECT_NEAR(supplyFittingCoefficient(SupplyFittingKind::Hood, 0.5, 0.5, 1), 1.0, 1e-12);
    EXPECT_NEAR(supplyFittingCoefficient(SupplyFittingKind::IntakeGrille, 1, 0.8, 1), 0.5615, 5e-5);
    // The kinds shared with the smoke shaft keep their formulas: a sudden contraction 0.2 p² − 0.8 p + 0.6.
    EXPECT_NEAR(supplyFittingCoefficient(SupplyFittingKind::SuddenContraction, 1, 0.5, 1), 0.25, 1e-12);
    EXPECT_EQ(supplyFittingKindNames().size(), supplyFittingKindCount);
    EXPECT_EQ(supplyKindOfCell(QStringLiteral("7")), 7);
    EXPECT_EQ(supplyKindOfCell(QStringLiteral("8")), 0);
    EXPECT_EQ(supplyKindOfCell(QStringLiteral("x")), 0);
}

TEST(SupplyTables, HeightClassFloorFlowAndShaftDifference)
{
    const std::pair<int, int> classes[] = {{1, 14}, {14, 14}, {15, 20}, {20, 20}, {21, 27}};
    for (const auto& [floors, expected] : classes)
        EXPECT_EQ(heightClass(floors), expected) << floors;

    const FloorFlowCoefficients six = floorFlowCoefficients(6, 14);
    EXPECT_NEAR(six.exponent, 0.645, 1e-12);
    EXPECT_NEAR(six.factor, 62.75, 1e-12);
    EXPECT_NEAR(floorFlowCoefficients(12, 20).factor, 140, 1e-12);
    EXPECT_NEAR(floorFlowCoefficients(20, 27).exponent, 0.58, 1e-12);

    const ShaftDifferenceRow at30 = tabulatedShaftDifference(14, 2, 8, 30);
    EXPECT_TRUE(at30.found);
    EXPECT_NEAR(at30.value, 142.5, 1e-12);
    EXPECT_NEAR(tabulatedShaftDifference(14, 2, 16, 100).value, 12, 1e-12);
    // Clamped at both ends.
    EXPECT_NEAR(tabulatedShaftDifference(27, 4, 8, 5).value, 123, 1e-12);
    EXPECT_NEAR(tabulatedShaftDifference(20, 3, 16, 500).value, 10, 1e-12);
    EXPECT_FALSE(tabulatedShaftDifference(14, 3, 8, 50).found);
}

TEST(SupplyTables, ZoneRowsDivideByTheirLowerNode)
{
    struct Row {
        int zoneFloors;
        ZoneShaftCoefficients lifts2, lifts3, lifts4;
        StairAirCoefficients stair;
    };
    const Row rows[] = {
        {5, {10, 1.6, 0.6}, {7.5, 1.52, 0.65}, {5, 1.44, 0.7}, {-0.0064, 3.53, 0.0027, 0.45}},
        {6, {10.5, 1.624, 0.574}, {7.7, 1.532, 0.62}, {5, 1.44, 0.664}, {-0.00624, 3.476, 0.0026, 0.474}},
        {7, {11, 1.648, 0.548}, {7.9, 1.544, 0.59}, {5, 1.44, 0.628}, {-0.00608, 3.422, 0.0025, 0.498}},
        {8, {12.5 + 2.5 / 7, 1.72 + 0.12 / 7, 0.45}, {8.5 + 1.5 / 7, 1.58 + 0.06 / 7, 0.5 - 0.15 / 7},
            {5, 1.44, 0.52 - 0.17 / 7}, {-0.0054, 3.26 - 0.15 / 7, 0.0022 - 0.0008 / 7, 0.57 + 0.08 / 7}},
        {9, {12.5 + 5.0 / 7, 1.72 + 0.24 / 7, 0.43}, {8.5 + 3.0 / 7, 1.58 + 0.12 / 7, 0.5 - 0.3 / 7},
            {5, 1.44, 0.52 - 0.34 / 7}, {-0.0052, 3.26 - 0.3 / 7, 0.0022 - 0.0016 / 7, 0.57 + 0.16 / 7}},
        {10, {15 + 10.0 / 9, 1.84 + 0.06 / 9, 0.33 - 0.11 / 9},
            {10 + 5.0 / 9, 1.64 + 0.06 / 9, 0.35 - 0.15 / 9}, {5, 1.44, 0.35 - 0.17 / 9},
            {-0.0042 + 0.0003 / 9, 3.11 - 0.05 / 9, 0.0014, 0.65 - 0.01 / 9}},
        {11, {25, 1.9, 0.22}, {15, 1.7, 0.2}, {5, 1.44, 0.18}, {-0.0039, 3.06, 0.0014, 0.66}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.zoneFloors);
        const ZoneShaftCoefficients* expected[] = {&row.lifts2, &row.lifts3, &row.lifts4};
        for (int lifts = 2; lifts <= 4; ++lifts) {
            const ZoneShaftCoefficients k = zoneShaftCoefficients(row.zoneFloors, lifts);
            EXPECT_NEAR(k.a, expected[lifts - 2]->a, 1e-12) << lifts;
            EXPECT_NEAR(k.b, expected[lifts - 2]->b, 1e-12) << lifts;
            EXPECT_NEAR(k.d, expected[lifts - 2]->d, 1e-12) << lifts;
        }
        const StairAirCoefficients s = zoneStairAir(row.zoneFloors);
        EXPECT_NEAR(s.b, row.stair.b, 1e-12);
        EXPECT_NEAR(s.c, row.stair.c, 1e-12);
        EXPECT_NEAR(s.d, row.stair.d, 1e-12);
        EXPECT_NEAR(s.e, row.stair.e, 1e-12);
    }
}

TEST(SupplyCalculation, ShaftScheme)
{
    const SupplyCalculation c = calculateSupply(valuesWithDucts(SupplyScheme::Shaft));
    ASSERT_TRUE(c.result) << c.messages.join(u'\n').toStdString();
    const SupplyResult& r = *c.result;
    EXPECT_NEAR(r.outdoorDensity, 1.2257, 5e-5);
    EXPECT_NEAR(r.shaftPressure, 23.43, 0.005);
    EXPECT_NEAR(r.stackTerm, -0.0395, 1e-12);
    EXPECT_TRUE(r.widthCorrected);
    expectNear(*r.firstFloorFlow, 29509.100998102054, "Gш1");
    expectNear(r.meanFloorFlow, 1255.1714079419046, "Gср");
    expectNear(*r.fanMassFlow, 39005.64366957919, "G");
    expectNear(*r.fanVolumeFlow, 32504.70305798266, "Q");
    expectNear(*r.ductLosses[0], 492.27819585273045, "Pc1");
    expectNear(*r.fanPressure, 514.525140297175, "Pв");
    ASSERT_EQ(r.fans.size(), 1u);
    expectNear(r.fans[0].flow, *r.fanVolumeFlow, "flow");
    EXPECT_FALSE(r.ductLosses[1]);
    EXPECT_FALSE(r.lobbyPressure);
}

TEST(SupplyCalculation, ShaftSchemeLeafWidthAndLifts)
{
    SupplyValues v = valuesWithDucts(SupplyScheme::Shaft);
    v.leafWidth = 0.6;
    const SupplyResult narrow = *calculateSupply(v).result;
    EXPECT_FALSE(narrow.widthCorrected);
    expectNear(*narrow.firstFloorFlow, 29509.100998102054 / 1.67, "Gш1 unchanged at 0.6 m");
    v.lifts = 4;
    EXPECT_EQ(*calculateSupply(v).result->firstFloorFlow, 0);
}

TEST(SupplyCalculation, JointScheme)
{
    const SupplyResult r = *calculateSupply(valuesWithDucts(SupplyScheme::Joint)).result;
    expectNear(*r.shaftStairDifference, 100, "Pкш");
    expectNear(r.shaftPressure, 36.86388888888889, "Pш1");
    expectNear(r.meanFloorFlow, 501.24497981019056, "Gср");
    expectNear(*r.doorFlow, 13916.884198649177, "Gдв");
    expectNear(*r.totalFlow, 23428.089016940892, "Gоб");
    expectNear(*r.stairFlow, 24412.474760642, "Gk");
    expectNear(*r.shaftFlow, -984.3857437011065, "Gш");
    expectNear(*r.fanPressure, 313.27335677393353, "Pв");
    ASSERT_EQ(r.fans.size(), 1u);
    expectNear(r.fans[0].flow, 19523.40751411741, "Qоб");
}

TEST(SupplyCalculation, SeparateSchemeWithTabulatedDifference)
{
    SupplyValues v = valuesWithDucts(SupplyScheme::Separate);
    v.windSpeed = 10;
    v.doors = 16;
    const SupplyResult r = *calculateSupply(v).result;
    expectNear(*r.lobbyPressure, 105.79861111111111, "Pвс");
    EXPECT_TRUE(r.tabulatedDifference);
    expectNear(*r.shaftStairDifference, 13.449652777777779, "Pкш");
    expectNear(r.shaftPressure, 223.0584375, "Pш1");
    expectNear(r.meanFloorFlow, 2529.6687242120533, "Gср");
    expectNear(*r.totalFlow, 57338.82341658312, "Gоб");
    expectNear(*r.stairFlow, 30420.52136488284, "Gk");
    expectNear(*r.shaftFlow, 26918.302051700284, "Gш");
    expectNear(*r.ductLosses[0], 937.8017044190094, "Pc1 at twice Qш");
    expectNear(*r.ductLosses[1], 1197.7026199104491, "Pc2 at twice Qk");
    ASSERT_EQ(r.fans.size(), 2u);
    expectNear(r.fans[0].flow, 22431.918376416903, "Qш");
    expectNear(r.fans[0].pressure, 1159.6751419190095, "Pвш");
    expectNear(r.fans[1].flow, 25350.4344707357, "Qk");
    expectNear(r.fans[1].pressure, 1433.025710188227, "Pвк");

    // Pвс = 41.4 Pa reads 97.8 from the table: not below 50, so Pкш stays 50.
    v.windSpeed = 5;
    const SupplyResult untabulated = *calculateSupply(v).result;
    EXPECT_FALSE(untabulated.tabulatedDifference);
    EXPECT_EQ(*untabulated.shaftStairDifference, 50);
}

TEST(SupplyCalculation, ZonesScheme)
{
    SupplyValues v = valuesWithDucts(SupplyScheme::Zones);
    v.outdoorTemperature = -10;
    v.floors = 24;
    v.lifts = 3;
    v.directTambour = false;
    v.zoneFloors = 6;
    // Zones of six storeys give the lift shafts less air than their staircase takes: fan 1 is
    // refused, its quantities kept for the report.
    const SupplyCalculation c = calculateSupply(v);
    EXPECT_FALSE(c.result);
    ASSERT_TRUE(c.refusedResult);
    const SupplyResult& r = *c.refusedResult;
    expectNear(*r.lobbyPressure, 23.758174904942965, "Pвс");
    expectNear(r.shaftPressure, 13.097523954372626, "Pш1");
    expectNear(r.meanFloorFlow, 1897.6587164410646, "Gср");
    expectNear(*r.doorFlow, 10114.039342670912, "Gдв");
    expectNear(*r.lowerTotalFlow, 19602.332924876235, "Gобн");
    expectNear(*r.lowerStairFlow, 20359.828734293777, "Gкн");
    expectNear(*r.lowerShaftFlow, -757.4958094175418, "Gшн");
    expectNear(*r.lowerZonePressure, 50.62352395437263, "Pнзк");
    expectNear(*r.upperZonePressure, 51.23059823574145, "Pвзк");
    expectNear(*r.upperStairFlow, 19474.0983193308, "Gкв");
    expectNear(*r.upperZoneAir, 2367.8154573137645, "Gвзк");
    expectNear(*r.upperShaftFlow, -267.2055754482135, "Gвзш");
    expectNear(*r.shaftFlow, -1024.7013848657552, "Gш");
    ASSERT_EQ(r.fans.size(), 3u);
    const std::pair<double, double> fans[] = {{-853.9178207214627, 104.18428404723491},
        {16228.415266109, 1255.3883458108385}, {16966.523945244815, 1282.68042553327}};
    for (std::size_t i = 0; i < 3; ++i) {
        expectNear(r.fans[i].flow, fans[i].first, "flow");
        expectNear(r.fans[i].pressure, fans[i].second, "pressure");
    }
}

TEST(SupplyCalculation, FanDutiesOfZeroOrLessAreRefusedNamingTheFanAndTheCause)
{
    const QString outsideMethod = QStringLiteral("Исходные данные вне области применения методики расчета.");
    const QString fewZoneStoreys = QStringLiteral("В зоне слишком мало этажей для здания.");
    struct Case {
        const char* name;
        SupplyScheme scheme;
        void (*change)(SupplyValues&);
        QString message; // the beginning of the message
        QString cause;
    };
    const Case cases[] = {
        // The window's own defaults: ten storeys, zones of four.
        {"zones of 4", SupplyScheme::Zones, [](SupplyValues&) {},
            QStringLiteral("Расход вентилятора 1 получается равным нулю или меньше нуля (-3975 м3/ч)."),
            fewZoneStoreys},
        {"zones of 2", SupplyScheme::Zones, [](SupplyValues& v) { v.zoneFloors = 2; },
            QStringLiteral("Расход вентилятора 1 "), fewZoneStoreys},
        {"zones of 3", SupplyScheme::Zones, [](SupplyValues& v) { v.zoneFloors = 3; },
            QStringLiteral("Расход вентилятора 1 "), fewZoneStoreys},
        {"zones of 5", SupplyScheme::Zones, [](SupplyValues& v) { v.zoneFloors = 5; },
            QStringLiteral("Расход вентилятора 1 "), fewZoneStoreys},
        {"separate in three storeys", SupplyScheme::Separate, [](SupplyValues& v) { v.floors = 3; },
            QStringLiteral("Расход вентилятора 1 получается равным нулю или меньше нуля (-834 м3/ч)."),
            QStringLiteral("В здании слишком мало этажей для раздельной подачи воздуха.")},
        // Four lifts have no formula of the first storey's air: one storey leaves no flow at all.
        {"one storey, four lifts", SupplyScheme::Shaft,
            [](SupplyValues& v) {
                v.floors = 1;
                v.lifts = 4;
            },
            QStringLiteral("Расход вентилятора 1 получается равным нулю или меньше нуля (0 м3/ч)."), {}},
        // A hot day in a tall building with a wide duct: the stack term outweighs the shaft pressure.
        {"hot day, tall building", SupplyScheme::Shaft,
            [](SupplyValues& v) {
                v.outdoorTemperature = 35;
                v.floors = 30;
                v.sections[0][0].area = 2;
            },
            QStringLiteral("Давление вентилятора 1 получается равным нулю или меньше нуля ("),
            QStringLiteral("При температуре наружного воздуха выше 13,65 °C")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SupplyValues v = valuesWithDucts(c.scheme);
        c.change(v);
        const SupplyCalculation calculation = calculateSupply(v);
        EXPECT_FALSE(calculation.result);
        EXPECT_TRUE(calculation.refusedResult);
        ASSERT_EQ(calculation.messages.size(), 1);
        const QString& message = calculation.messages.first();
        EXPECT_TRUE(message.startsWith(c.message)) << message.toStdString();
        EXPECT_TRUE(message.contains(c.cause)) << message.toStdString();
        EXPECT_TRUE(message.endsWith(outsideMethod)) << message.toStdString();
    }

    // Zones of six storeys in the same building give every fan its air.
    SupplyValues six = valuesWithDucts(SupplyScheme::Zones);
    six.zoneFloors = 6;
    const SupplyCalculation accepted = calculateSupply(six);
    ASSERT_TRUE(accepted.result) << accepted.messages.join(u'\n').toStdString();
    EXPECT_FALSE(accepted.refusedResult);
    EXPECT_TRUE(accepted.messages.isEmpty());
}

TEST(SupplyCalculation, RefusesWhatNoFormulaTakes)
{
    struct Case {
        const char* name;
        void (*change)(SupplyValues&);
    };
    const Case cases[] = {
        {"absolute zero", [](SupplyValues& v) { v.outdoorTemperature = -273; }},
        {"below absolute zero", [](SupplyValues& v) { v.outdoorTemperature = -400; }},
        {"five lifts", [](SupplyValues& v) { v.lifts = 5; }},
        {"one lift", [](SupplyValues& v) { v.lifts = 1; }},
        {"one lift, shaft scheme",
            [](SupplyValues& v) {
                v.scheme = SupplyScheme::Shaft;
                v.lifts = 1;
            }},
        {"section without diameter", [](SupplyValues& v) { v.sections[0].push_back(Ychastok_record {}); }},
        {"negative area of a fitting",
            [](SupplyValues& v) {
                v.sections[0][0].kind = 3;
                v.sections[0][0].area = -1;
            }},
        // A hot day in a tall building: the base of Gср = c · X^e is negative.
        {"negative power base",
            [](SupplyValues& v) {
                v.outdoorTemperature = 40;
                v.floors = 30;
            }},
    };
    for (const Case& c : cases) {
        SupplyValues v = valuesWithDucts(SupplyScheme::Joint);
        c.change(v);
        const SupplyCalculation calculation = calculateSupply(v);
        EXPECT_FALSE(calculation.result) << c.name;
        EXPECT_FALSE(calculation.refusedResult) << c.name;
        ASSERT_EQ(calculation.messages.size(), 1) << c.name;
        EXPECT_TRUE(calculation.messages.first().startsWith(QStringLiteral("Расчет невозможен: "))) << c.name;
    }
}

} // namespace
