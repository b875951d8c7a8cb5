#include "common/CatalogueStore.h"
#include "common/StoreQuery.h"
#include "fans/FanCatalogue.h"
#include "fans/FanDesignation.h"
#include "fans/GeneralSelection.h"
#include "fans/SelectionResultTables.h"
#include "unit/UnitFanSelection.h"
#include "unit/UnitHandover.h"
#include "unit/UnitResult.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <limits>

using namespace unit;
using namespace Qt::StringLiterals;

namespace {

THeaterVariant heater(double waterFlow)
{
    THeaterVariant h;
    h.tip = waterFlow > 0 ? u"Водяной"_s : u"Электрический"_s;
    h.model = u"ВНВ 60-30"_s;
    h.kanalIndex = 5;
    h.waterFlow = waterFlow;
    h.airOutlet = 21.46;
    h.waterOutlet = waterFlow > 0 ? 39.8 : 0;
    h.airLoss = 45.25;
    h.waterLoss = waterFlow > 0 ? 8.123 : 0;
    h.heatOutput = 56.78;
    return h;
}

UnitInputTexts texts()
{
    return {u"3500"_s, u"100"_s, u"-26"_s, u"21"_s, u"35"_s, u"18"_s, u"4"_s, u"80"_s, u"40"_s, u"Цех 2"_s};
}

UnitElementRow piece(const QString& name, double length, int count)
{
    return {name, u"Тип"_s, u"М"_s, 10, length, u"600*300"_s, 1000, count};
}

// A fans-found grid row: number, designation, flow, pressure, D, n, size, …, air speed in cell 14.
QStringList fanRow(const QString& designation)
{
    QStringList cells;
    for (int i = 0; i < 19; ++i)
        cells << u"c%1"_s.arg(i);
    cells[1] = designation;
    cells[5] = u"1400"_s;
    cells[6] = u"600*300"_s;
    return cells;
}

class BundledFans : public ::testing::Test {
protected:
    void SetUp() override
    {
        store::setAliasOverride(
            store::vozuvadaAlias(), QCoreApplication::applicationDirPath() + u"/vozuvada.sqlite"_s);
        fans::FanCatalogue::invalidate();
    }
    void TearDown() override
    {
        store::clearAliasOverrides();
        fans::FanCatalogue::invalidate();
    }

    // Every rectangular duct series, one size ticked.
    static fans::SelectionRequest request(double flow, double pressure, const QString& size)
    {
        fans::SelectionRequest r;
        r.flow = flow;
        r.pressure = pressure;
        r.rangePercent = unitSearchRangePercent;
        for (const fans::SeriesEntry& s : fans::FanCatalogue::generalSeries()) {
            if (s.group == fans::FanGroup::Duct)
                r.series.push_back({s.name, s.icon == fans::RoundDuctIcon});
        }
        for (const fans::DuctSizeEntry& s : fans::FanCatalogue::ductSizes())
            r.sizes.push_back({s.text, s.text == size});
        return r;
    }
};

} // namespace

TEST(UnitHandover, ValuesOfEachHeaterKind)
{
    UnitRun run;
    run.sectionText = u"600*300"_s;
    run.variants.heaters = {heater(1250.4), heater(0)};
    CoolerResult cooler;
    cooler.type = u"ХРСА"_s;
    cooler.total = 41.476;
    cooler.waterFlow = 6603.79;
    cooler.waterLoss = 98.97;
    run.section.cooler = cooler;
    const struct {
        const char* what;
        UnitKind kind;
        int column;
        HandoverHeater heater;
        const char16_t* waterFlow; // heater cell of row 2
        const char16_t* coolerDuty;
    } cases[] = {
        {"water heater", UnitKind::Heater, 1, HandoverHeater::Water, u"1250.4 кг/час", u""},
        {"electric heater", UnitKind::HeaterAndCooler, 2, HandoverHeater::Electric, u"", u"41.48 кВт"},
        {"cooler only", UnitKind::Cooler, 0, HandoverHeater::None, u"", u"41.48 кВт"},
        // A unit sized by air speed alone hands over no heater, whatever a column says.
        {"by air speed", UnitKind::Plain, 1, HandoverHeater::None, u"", u""},
    };
    for (const auto& c : cases) {
        run.heaterColumn = c.column;
        UnitInputs in;
        in.kind = c.kind;
        in.heater.flow = 3500;
        const UnitHandover h = unitHandover(texts(), run, in, u'.');
        EXPECT_EQ(h.heater, c.heater) << c.what;
        ASSERT_EQ(h.heaterCells.size(), heaterCellCount) << c.what;
        EXPECT_EQ(h.heaterCells[2], QString::fromUtf16(c.waterFlow)) << c.what;
        EXPECT_EQ(h.coolerDuty, QString::fromUtf16(c.coolerDuty)) << c.what;
        EXPECT_EQ(h.flow, u"3500 м3/час"_s);
        EXPECT_EQ(h.freePressure, u"100 Па"_s);
        EXPECT_EQ(h.maxSpeed, u"4 м/сек"_s);
        EXPECT_EQ(h.waterIn, u"80 °C"_s);
        EXPECT_EQ(h.heaterAirIn, u"-26"_s);
        EXPECT_EQ(h.coolerAirOut, u"18"_s);
        EXPECT_EQ(h.projectName, u"Цех 2"_s);
        EXPECT_TRUE(h.fanDuctSize.isEmpty());
    }
    run.heaterColumn = 1;
    UnitInputs in;
    in.kind = UnitKind::HeaterAndCooler;
    in.heater.flow = 3500;
    const UnitHandover water = unitHandover(texts(), run, in, u',');
    EXPECT_EQ(water.heaterCells.mid(2, 7),
        (QStringList {u"1250,4 кг/час"_s, u"21,46"_s, u"39,8"_s, u"45,25 Па"_s, u"8,123 кПа"_s,
            u"56,78 кВт"_s, u"ВНВ 60-30"_s}));
    EXPECT_EQ(water.coolerWaterFlow, u"6604 л/час"_s);
    EXPECT_EQ(water.coolerWaterLoss, u"98,97 кПа"_s);
    // An electric heater leaves its water rows empty.
    run.heaterColumn = 2;
    const QStringList electric = unitHandover(texts(), run, in, u'.').heaterCells;
    EXPECT_EQ(electric.mid(2, 6),
        (QStringList {QString(), u"21.46"_s, QString(), u"45.25 Па"_s, QString(), u"56.78 кВт"_s}));
}

TEST(UnitHandover, FanDutyOfTheUnit)
{
    UnitRun run;
    run.sectionText = u"600*300"_s;
    run.composition.pressure = 100 + 153.6;
    const UnitFanDuty duty = unitFanDuty(run, 3500.4);
    EXPECT_EQ(duty.pressure, 254);
    EXPECT_EQ(duty.flow, 3500);
    EXPECT_EQ(duty.section, u"600*300"_s);
    run.composition.pressure = 252.5; // halves to even
    EXPECT_EQ(unitFanDuty(run, 2500.5).pressure, 252);
    EXPECT_EQ(unitFanDuty(run, 2500.5).flow, 2500);
}

TEST(UnitHandover, FanDutyOfZeroOrLessGoesNowhere)
{
    const struct {
        double flow;
        double pressure;
        const char16_t* messageStart; // empty: handed on
    } cases[] = {
        {3500, 0.4, u"Суммарное сопротивление модульной системы"}, // 0 Pa once rounded
        {3500, -20, u"Суммарное сопротивление модульной системы"},
        {0.4, 250, u"Расход воздуха модульной системы"},
        {3500, std::numeric_limits<double>::infinity(), u"Результат расчета выходит за пределы"},
        {3500, 0.5, u"Суммарное сопротивление модульной системы"}, // halves to even: 0
        {3500, 1.5, u""},
    };
    for (const auto& c : cases) {
        UnitRun run;
        run.composition.pressure = c.pressure;
        const QString problem = unitFanDutyProblem(unitFanDuty(run, c.flow));
        const QString start = QString::fromUtf16(c.messageStart);
        EXPECT_EQ(problem.isEmpty(), start.isEmpty()) << c.flow << " " << c.pressure;
        EXPECT_TRUE(problem.startsWith(start) || start.isEmpty()) << c.flow << " " << c.pressure;
    }
}

TEST(UnitResult, FanTypeAndModel)
{
    const struct {
        const char16_t* designation;
        const char16_t* type;
        const char16_t* model;
    } cases[] = {
        // Long designations keep their whole model.
        {u"ВКП-ВЕКТОР 60-30/31-4Е", u"ВКП-ВЕКТОР", u"60-30/31-4Е"},
        {u"ВКП-ТЕРМ 4,5-6-3", u"ВКП-ТЕРМ", u"4,5-6-3"},
        {u"ВКП 60-30 4Д", u"ВКП", u"60-30 4Д"},
        {u"БЕЗПРОБЕЛАДЛИННОЕИМЯ", u"БЕЗПРОБЕЛАДЛИННОЕИМЯ", u"БЕЗПРОБЕЛАДЛИННОЕИМЯ"},
    };
    for (const auto& c : cases) {
        const FanTypeModel tm = fanTypeAndModel(QString::fromUtf16(c.designation));
        EXPECT_EQ(tm.type, QString::fromUtf16(c.type));
        EXPECT_EQ(tm.model, QString::fromUtf16(c.model));
    }
}

TEST(UnitResult, PiecesLengthAndFigures)
{
    const std::vector<UnitElementRow> elements {piece(u"Теплообменник"_s, 250, 1), piece(u"ККБ"_s, 0, 1),
        piece(u"Глушитель"_s, 500, 2), piece(u"Мягкая вставка"_s, 150, 2)};
    const UnitResult r = unitResult(elements, fanRow(u"ВКП 60-30 4Д"_s), FanDimensions {771.6, 600, 300});
    ASSERT_EQ(r.pieces.size(), 5u);
    const UnitElementRow& fan = r.pieces.back();
    EXPECT_EQ(compositionCells(fan),
        (QStringList {u"Вентилятор"_s, u"ВКП"_s, u"60-30 4Д"_s, u"772"_s, u"600*300"_s, QString(), u"1"_s}));
    // Pieces counted with their counts; the fan's own length unrounded.
    EXPECT_NEAR(r.length, 250 + 1000 + 300 + 771.6, 1e-9);
    ASSERT_EQ(r.figures.size(), 13u);
    EXPECT_EQ(r.figures[11], std::pair(u"Общая длина приточной системы (с вентилятором):"_s, u"2322 мм"_s));
    EXPECT_EQ(r.figures[1].first, u"Полное давление обеспечиваемое вентилятором - Pв, Па"_s)
        << "a pressure in Pa";
    EXPECT_EQ(r.figures[3].second, u"1400"_s);
    EXPECT_EQ(r.figures[5].second, u"c8"_s);
    EXPECT_EQ(r.figures[10].second, u"c14"_s);
    EXPECT_EQ(r.figures[12], std::pair(QString(), QString()));
    EXPECT_EQ(r.caption, u"Параметры подбранной модульной системы с канальным вентилятором: ВКП 60-30 4Д"_s);
    EXPECT_EQ(r.ductSize, u"600*300"_s);
    // A fan the run no longer holds adds neither length nor size.
    const UnitResult none = unitResult(elements, fanRow(u"ВКП"_s), std::nullopt);
    EXPECT_NEAR(none.length, 1550, 1e-9);
    EXPECT_TRUE(none.pieces.back().section.isEmpty());
}

TEST_F(BundledFans, UnitRunAdmitsOnlyTheUnitsSection)
{
    const fans::SelectionRequest r = request(2000, 300, u"600*300"_s);
    const UnitFanSelection run = runUnitFanSelection(r);
    ASSERT_EQ(run.outcome.status, fans::SelectionOutcome::Status::Listed);
    ASSERT_FALSE(run.outcome.fans.empty());
    for (const fans::FoundFan& fan : run.outcome.fans) {
        EXPECT_FALSE(fan.record->krugl);
        EXPECT_EQ(fan.record->a, 600);
        EXPECT_EQ(fan.record->b, 300);
    }
    // The unit's result tables keep each fan's length and have no roof or pressurization columns.
    EXPECT_TRUE(fans::SelectionResultTables::isUnitRun());
    {
        store::StoreQuery q(store::workingDatabase(), u"SELECT * FROM RAZMDIAP LIMIT 0"_s);
        EXPECT_FALSE(q.hasField(u"Krysh"_s));
        EXPECT_FALSE(q.hasField(u"Podpor"_s));
    }
    EXPECT_GT(run.outcome.fans.front().record->dlina, 0);

    // The same duty in a general run finds the same fans within half a cubic metre per hour.
    fans::SelectionRequest general = unitFanRequest(r);
    const fans::SelectionOutcome coarse = fans::selectFans(*run.catalogue, general);
    ASSERT_EQ(coarse.fans.size(), run.outcome.fans.size());
    for (size_t i = 0; i < coarse.fans.size(); ++i)
        EXPECT_NEAR(coarse.fans[i].operatingFlow, run.outcome.fans[i].operatingFlow, 0.5);
    // A later general run makes the tables general again.
    fans::writeResultTables(fans::CatalogueKind::General, coarse);
    EXPECT_FALSE(fans::SelectionResultTables::isUnitRun());
}

TEST_F(BundledFans, NoSizeOfTheUnitNoCandidates)
{
    const UnitFanSelection run = runUnitFanSelection(request(2000, 300, u"no such size"_s));
    // Every size unticked: nothing passes.
    EXPECT_TRUE(run.outcome.candidates.empty());
    EXPECT_NE(run.outcome.status, fans::SelectionOutcome::Status::Listed);
}
