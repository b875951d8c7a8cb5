#include "common/CatalogueStore.h"
#include "common/NumberText.h"
#include "unit/UnitCalculation.h"
#include "unit/UnitForm.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <set>

using namespace unit;
using namespace Qt::StringLiterals;

namespace {

AccessoryRecord row(const QString& tip, const QString& model, double length, double loss)
{
    AccessoryRecord r;
    r.tip = tip;
    r.model = model;
    r.length = length;
    r.exponent = 0; // the same loss at every flow
    r.coefficient = loss;
    return r;
}

// The bundled catalogue beside the program.
class BundledUnit : public ::testing::Test {
protected:
    void SetUp() override
    {
        store::setAliasOverride(
            store::pritoshkaAlias(), QCoreApplication::applicationDirPath() + u"/pritoshka.sqlite"_s);
    }
    void TearDown() override { store::clearAliasOverrides(); }

    UnitInputs inputs(UnitKind kind) const
    {
        UnitInputs in;
        in.kind = kind;
        in.freePressure = 150;
        in.heater.maxSpeed = 3;
        return in;
    }
};

} // namespace

TEST(ElementLines, WordingOfEachPathAndTheWayBack)
{
    const AccessoryRecord valve = row(u" Воздушный "_s, u"КВ 60-30 "_s, 150, 2.5);
    const struct {
        AccessoryKind kind;
        LineStyle style;
        bool afterHeaterChoice;
        const char16_t* line;
    } cases[] = {
        {AccessoryKind::Valve, LineStyle::HeaterPath, false,
            u"Воздушный - КВ 60-30  /длина:150мм /сопр. 2Па"},
        {AccessoryKind::Valve, LineStyle::PlainPath, false,
            u"Воздушный - КВ 60-30  / длина 150 мм / сопр. 2 Па"},
        {AccessoryKind::Filter, LineStyle::HeaterPath, true, u"Воздушный - КВ 60-30  /длина:150мм /сопр.2Па"},
        {AccessoryKind::Valve, LineStyle::HeaterPath, true, u"Воздушный - КВ 60-30  /длина:150мм /сопр. 2Па"},
        {AccessoryKind::Connector, LineStyle::HeaterPath, false, u"Воздушный - КВ 60-30  /длина:150мм"},
        {AccessoryKind::Connector, LineStyle::PlainPath, false, u"Воздушный - КВ 60-30  / длина 150 мм"},
    };
    for (const auto& c : cases) {
        const QString line = elementLine(valve, c.kind, 1000, c.style, c.afterHeaterChoice);
        EXPECT_EQ(line, QString::fromUtf16(c.line));
        const LinePieces pieces = splitElementLine(line);
        EXPECT_EQ(pieces.tip, u"Воздушный"_s);
        EXPECT_EQ(pieces.model.trimmed(), u"КВ 60-30"_s);
    }
    // Halves round to even; equal lines are listed once.
    EXPECT_EQ(elementLines(
                  {row(u"А"_s, u"1"_s, 100, 3.5), row(u"А"_s, u"1"_s, 100, 3.6), row(u"Б"_s, u"2"_s, 100, 0)},
                  AccessoryKind::Valve, 1000, LineStyle::PlainPath),
        (QStringList {u"А - 1  / длина 100 мм / сопр. 4 Па"_s, u"Б - 2  / длина 100 мм / сопр. 0 Па"_s}));
    // The model ends at the first " /" within the first 60 characters.
    const QString longModel = QString(70, u'М');
    EXPECT_EQ(splitElementLine(u"Тип - "_s + longModel + u" /длина:1мм"_s).model, QString(54, u'М'));
    EXPECT_EQ(splitElementLine(u"без тире"_s).tip, u"без тире"_s);
}

TEST(ElementLines, CompositionLines)
{
    const LinePieces p {u"Пластинчатый"_s, u"ГП-500 60-30"_s};
    EXPECT_EQ(compositionLine(AccessoryKind::Silencer, p, 500, 12.5, 3),
        u"Глушитель: Пластинчатый - ГП-500 60-30 /длина 500мм /сопр. 12Па / 3 шт."_s);
    EXPECT_EQ(compositionLine(AccessoryKind::Connector, p, 150, 0, 2),
        u"Мягкая вствка: Пластинчатый - ГП-500 60-30 /длина 150мм / 2 шт."_s);
    EXPECT_EQ(compositionLine(AccessoryKind::Valve, p, 150, 3.5, 7),
        u"Клапан: Пластинчатый - ГП-500 60-30 /длина 150мм /сопр. 4Па"_s);
}

TEST(UnitInputs, ChecksInTheWindowsOrder)
{
    const struct {
        const char* what;
        UnitKind kind;
        void (*change)(UnitInputs&);
        bool anyType;
        std::optional<UnitField> field;
    } cases[] = {
        {"defaults", UnitKind::HeaterAndCooler, [](UnitInputs&) {}, true, std::nullopt},
        {"negative pressure first", UnitKind::HeaterAndCooler,
            [](UnitInputs& in) {
                in.freePressure = -1;
                in.heater.maxSpeed = 0;
            },
            true, UnitField::FreePressure},
        {"speed", UnitKind::Cooler, [](UnitInputs& in) { in.heater.maxSpeed = 0; }, true,
            UnitField::MaxSpeed},
        {"water as warm as the air", UnitKind::Heater, [](UnitInputs& in) { in.heater.airIn = 80; }, true,
            UnitField::AirOut},
        {"water no warmer than the air", UnitKind::Heater,
            [](UnitInputs& in) {
                in.heater.airIn = 15;
                in.heater.waterIn = 15;
                in.heater.waterOut = 10;
            },
            true, UnitField::WaterIn},
        {"cooler air not cooled", UnitKind::HeaterAndCooler, [](UnitInputs& in) { in.cooler.airOut = 40; },
            true, UnitField::CoolerAirOut},
        {"cooler of a heater unit is not checked", UnitKind::Heater,
            [](UnitInputs& in) { in.cooler.flow = 0; }, true, std::nullopt},
        {"no heater type", UnitKind::Heater, [](UnitInputs&) {}, false, UnitField::HeaterTypes},
        {"no heater type needed without heater", UnitKind::Cooler, [](UnitInputs&) {}, false, std::nullopt},
        {"plain unit needs a flow", UnitKind::Plain, [](UnitInputs& in) { in.heater.flow = 0; }, false,
            UnitField::Flow},
    };
    for (const auto& c : cases) {
        UnitInputs in;
        in.kind = c.kind;
        c.change(in);
        const auto problem = unitInputProblem(in, c.anyType);
        EXPECT_EQ(problem ? std::optional(problem->field) : std::nullopt, c.field) << c.what;
    }
}

TEST(UnitInputs, SectionSpeedVerdicts)
{
    const struct {
        double speed;
        const char16_t* verdict;
    } cases[] = {{0, u"нежелательно"}, {1.99, u"нежелательно"}, {2, u"приемлемо"}, {2.99, u"приемлемо"},
        {3, u"рекомендуемо"}, {4, u"рекомендуемо"}, {4.01, u"приемлемо"}, {5, u"нежелательно"}};
    for (const auto& c : cases)
        EXPECT_EQ(speedVerdict(c.speed), QString::fromUtf16(c.verdict)) << c.speed;
    const std::vector<SectionRecord> sections {{1, 400, 200, u"400*200"_s}, {2, 600, 300, u"600*300"_s}};
    EXPECT_EQ(sectionForSpeed(sections, 0.18 * 3600 * 3, 3), 2); // exactly 3 m/s in 600×300
    EXPECT_EQ(sectionForSpeed(sections, 0.18 * 3600 * 3, 2.9), std::nullopt);
    EXPECT_EQ(sectionSpeeds(sections, 1).front().size, u"400*200 мм"_s);
}

TEST(UnitInputs, ProjectNumbersAndTheBoxThatIsNoNumber)
{
    UnitProject p = defaultUnitProject();
    p.maxSpeed = u"3.5"_s;
    p.coolerSeries = 0;
    const UnitPageRead read = readUnitPage(p, UnitKind::Cooler, false, u'.');
    ASSERT_TRUE(read.inputs);
    EXPECT_EQ(read.inputs->heater.maxSpeed, 3.5);
    EXPECT_EQ(read.inputs->cooler.series, CoolerSeries::Water);
    EXPECT_EQ(read.inputs->heater.airIn, -26);
    p.humidity = u"8O"_s;
    const UnitPageRead bad = readUnitPage(p, UnitKind::Cooler, false, u'.');
    EXPECT_FALSE(bad.inputs);
    EXPECT_EQ(bad.badNumber, UnitField::Humidity);
    EXPECT_EQ(bad.badText, u"8O"_s);
}

TEST_F(BundledUnit, TicksAndPieceCountsMakeTheTotals)
{
    ElementStore store = pritoshkaElementStore();
    const ElementLists lists = elementListsFor(store, 5, 2000, LineStyle::HeaterPath);
    ASSERT_GE(lists[int(AccessoryKind::Silencer)].size(), 2);
    ElementTicks ticks;
    ticks.ticked[int(AccessoryKind::Silencer)] = {1, 99}; // 99: beyond the list, skipped
    ticks.ticked[int(AccessoryKind::Connector)] = {0};
    ticks.ticked[int(AccessoryKind::Valve)] = {0};
    ticks.counts[int(AccessoryKind::Silencer)] = {1, 3};
    ticks.counts[int(AccessoryKind::Connector)] = {2};
    ticks.counts[int(AccessoryKind::Valve)] = {5}; // valves come one at a time
    const Composition c = composeUnit(store, 5, 2000, lists, ticks, 250, 180);
    ASSERT_EQ(c.elements.size(), 3u);
    const ComposedElement& valve = c.elements[0];
    const ComposedElement& silencer = c.elements[1];
    const ComposedElement& connector = c.elements[2];
    EXPECT_EQ(valve.count, 1);
    EXPECT_EQ(silencer.count, 3);
    EXPECT_EQ(connector.loss, 0);
    EXPECT_NEAR(c.length, 250 + valve.row.length + 3 * silencer.row.length + 2 * connector.row.length, 1e-9);
    EXPECT_NEAR(c.pressure, 180 + valve.loss + 3 * silencer.loss, 1e-9);
    EXPECT_GT(silencer.loss, 5);
    EXPECT_TRUE(c.lines[1].startsWith(u"Глушитель: Пластинчатый - ГП-1000 60-30  /длина 1000мм /сопр. "_s));
    EXPECT_TRUE(c.lines[1].endsWith(u"Па / 3 шт."_s));
}

TEST_F(BundledUnit, HeaterSectionGivesTheCoolerItsSectionEvenNine)
{
    ElementStore store = pritoshkaElementStore();
    UnitInputs in = inputs(UnitKind::HeaterAndCooler);
    UnitVariants variants;
    THeaterVariant heater;
    heater.kanalIndex = 9;
    heater.length = 300;
    heater.airLoss = 40;
    variants.heaters = {heater};
    variants.cooler = selectCooler(in.cooler).result; // 0.40 m² by itself
    const UnitSection s = unitSection(store, in, variants, 1);
    EXPECT_EQ(s.kanalIndex, 9);
    ASSERT_TRUE(s.cooler && s.coolerRow);
    EXPECT_EQ(s.cooler->model, u"ХРСБ-90x50"_s);
    EXPECT_EQ(s.cooler->section, 9);
    EXPECT_NEAR(s.baseLength, 300 + s.coolerRow->length, 1e-9);
    EXPECT_NEAR(s.basePressure, 150 + 40 + s.cooler->airLoss, 1e-9);
}

TEST_F(BundledUnit, EveryKindFindsItsSectionAndLists)
{
    ElementStore store = pritoshkaElementStore();
    const QStringList water = store.heaterTypes(HeaterKind::Water);
    const QStringList electric = store.heaterTypes(HeaterKind::Electric);
    for (UnitKind kind : {UnitKind::Plain, UnitKind::HeaterAndCooler, UnitKind::Heater, UnitKind::Cooler}) {
        const UnitRun run = calculateUnit(store, inputs(kind), water, electric, 2, {});
        const int k = int(kind);
        EXPECT_GT(run.section.kanalIndex, 0) << k;
        EXPECT_FALSE(run.sectionText.isEmpty()) << k;
        EXPECT_FALSE(run.lists[int(AccessoryKind::Valve)].isEmpty()) << k;
        EXPECT_EQ(run.variants.heaters.size(), hasHeater(kind) ? size_t(water.size() + electric.size()) : 0u)
            << k;
        EXPECT_EQ(run.heaterColumn, hasHeater(kind) ? 2 : 0) << k;
        if (hasHeater(kind)) {
            EXPECT_EQ(run.section.kanalIndex, run.variants.heaters[1].kanalIndex) << k;
        }
        if (hasCooler(kind)) {
            // 3500 m³/h at 3 m/s: the heater is never narrower than the 0.40 m² cooler.
            EXPECT_GE(run.section.kanalIndex, 8) << k;
            EXPECT_EQ(run.section.cooler->section, run.section.kanalIndex) << k;
        }
        EXPECT_GE(run.composition.pressure, 150) << k;
    }
    // A stored column beyond the variants leaves the first chosen.
    EXPECT_EQ(calculateUnit(store, inputs(UnitKind::Heater), water, {}, 9, {}).heaterColumn, 1);
}

// Choosing another heater in the window gives the unit the calculation gives with that column.
TEST_F(BundledUnit, AnotherHeaterIsTheCalculationWithThatColumn)
{
    ElementStore store = pritoshkaElementStore();
    const QStringList water = store.heaterTypes(HeaterKind::Water);
    const QStringList electric = store.heaterTypes(HeaterKind::Electric);
    const UnitInputs in = inputs(UnitKind::HeaterAndCooler);
    const UnitRun first = calculateUnit(store, in, water, electric, 1, {});
    const int count = int(first.variants.heaters.size());
    ASSERT_GT(count, 2);
    std::set<int> sections;
    for (int column = 1; column <= count; ++column) {
        const std::optional<UnitRun> chosen = withHeater(store, in, first, column);
        const UnitRun expected = calculateUnit(store, in, water, electric, column, {});
        ASSERT_TRUE(chosen) << column;
        EXPECT_EQ(chosen->heaterColumn, column);
        EXPECT_EQ(chosen->section.kanalIndex, expected.section.kanalIndex) << column;
        EXPECT_EQ(chosen->sectionText, expected.sectionText) << column;
        EXPECT_EQ(chosen->section.basePressure, expected.section.basePressure) << column;
        ASSERT_TRUE(chosen->section.cooler && expected.section.cooler);
        EXPECT_EQ(chosen->section.cooler->model, expected.section.cooler->model) << column;
        EXPECT_EQ(chosen->lists, expected.lists) << column;
        sections.insert(chosen->section.kanalIndex);
    }
    EXPECT_GT(sections.size(), 1u) << "the variants stand in more than one section";
    for (int column : {0, -1, count + 1})
        EXPECT_FALSE(withHeater(store, in, first, column)) << column;
    const UnitRun cooled = calculateUnit(store, inputs(UnitKind::Cooler), water, electric, 1, {});
    EXPECT_FALSE(withHeater(store, inputs(UnitKind::Cooler), cooled, 1)) << "no heater to choose";
}

TEST(UnitHeaterColumn, KeptWhileItNamesAVariantElseTheFirst)
{
    UnitVariants variants;
    variants.heaters.resize(3);
    UnitInputs in;
    struct Case {
        UnitKind kind;
        int wanted;
        int chosen;
    };
    const Case cases[] = {{UnitKind::Heater, 2, 2}, {UnitKind::Heater, 3, 3}, {UnitKind::Heater, 4, 1},
        {UnitKind::Heater, 0, 1}, {UnitKind::HeaterAndCooler, -1, 1}, {UnitKind::Cooler, 2, 0},
        {UnitKind::Plain, 1, 0}};
    for (const Case& c : cases) {
        in.kind = c.kind;
        EXPECT_EQ(chosenHeaterColumn(in, variants, c.wanted), c.chosen) << int(c.kind) << " " << c.wanted;
    }
    in.kind = UnitKind::Heater;
    EXPECT_EQ(chosenHeaterColumn(in, UnitVariants {}, 2), 0) << "no variants";
}

TEST_F(BundledUnit, CoolerOnlyUnitCarriesTheCoolersFlow)
{
    UnitInputs in = inputs(UnitKind::Cooler);
    in.heater.flow = 1000; // the heater page's flow, not shown for this kind
    in.cooler.flow = 5000;
    ElementStore store = pritoshkaElementStore();
    ElementTicks ticks;
    ticks.ticked[int(AccessoryKind::Valve)] = {0};
    const UnitRun run = calculateUnit(store, in, {}, {}, 1, ticks);
    ASSERT_EQ(run.composition.elements.size(), 1u);
    const ComposedElement& valve = run.composition.elements[0];
    EXPECT_DOUBLE_EQ(valve.loss, valve.row.loss(5000));
    EXPECT_TRUE(
        run.lists[int(AccessoryKind::Valve)][0].endsWith(integerText(valve.row.loss(5000)) + u"Па"_s));
}

TEST_F(BundledUnit, HeaterSectionWithoutACoolerOfItsSizeIsTold)
{
    ElementStore store = pritoshkaElementStore();
    UnitVariants variants;
    THeaterVariant heater;
    heater.kanalIndex = 1; // 300×150: no cooler is made that small
    heater.length = 300;
    heater.airLoss = 20;
    variants.heaters = {heater};
    const UnitSection s = unitSection(store, inputs(UnitKind::HeaterAndCooler), variants, 1);
    EXPECT_FALSE(s.cooler);
    EXPECT_FALSE(s.coolerMessage.isEmpty());
    EXPECT_EQ(s.baseLength, 300);
    EXPECT_EQ(s.basePressure, 150 + 20);
}
