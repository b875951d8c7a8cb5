#include "fans/FanDesignation.h"
#include "fans/SelectedFan.h"
#include "fans/SmokeSheet.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace Qt::Literals::StringLiterals;

namespace {

// A smoke-exhaust fan as a run listed it, not rated for 600 °C.
SelectedFan smokeFan()
{
    SelectedFan fan;
    FanRecord& record = fan.listed.record;
    record.name = u"КДУ-ГЭСТ"_s;
    record.d = 355;
    record.n = 1420;
    record.polus = 4;
    record.fazkol = true;
    record.ny = u"0,55"_s;
    record.massa = 57.4;
    fan.listed.found.operatingFlow = 1510.4;
    fan.listed.found.operatingPressure = 320.5;
    fan.designation = smokeDesignation(record).trimmed();
    return fan;
}

} // namespace

// The sheet's texts are made from the fan's values as its row in the fans-found window is.
TEST(SmokeSheet, ElevenRowsFromTheFansValuesWithTheFireClassCaptions)
{
    const SelectedFan fan = smokeFan();
    SmokeSelectionRun run;
    run.requiredFlow = 1500;
    run.requiredPressure = 300;
    run.roofRun = true;
    run.fireClass = FireClass::C600;
    run.gasTemperatureText = u" 450 "_s;
    const SmokeSheetValues hot = smokeSheetValuesOf(fan, run, QLatin1Char(','));
    ASSERT_EQ(hot.rows.size(), size_t(SmokeSheetValues::rowCount));
    EXPECT_EQ(hot.caption,
        u"Характеристики выбранного вентилятора дымоудаления:  "_s + smokeDesignation(fan.listed.record));
    const std::pair<QString, QString> rows[] = {
        {u"Расход воздуха - Qв, м3/час"_s, u"1510"_s},
        {u"Статическое давление - Pв, Па"_s, u"320"_s}, // a roof run: halves to even
        {u"Диаметр рабочего колеса вентилятора - D, мм"_s, u"355"_s},
        {u"Частота вращения колеса вентилятора - n, об/мин"_s, u"1420"_s},
        {u"Полюсность электродвигателя мотор-колеса:"_s, u"4"_s},
        {u"Количество фаз электродвигателя мотор-колеса:"_s, u"3"_s},
        {u"Огнестойкость 600°C - 2 часа:"_s, u"-"_s},
        {u"Мощность установочная, Nу, кВт:"_s, u"0,55"_s},
        {u"Масса, кг:"_s, u"57"_s},
        {QString(), QString()},
        {QString(), QString()},
    };
    for (size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(hot.rows[i], rows[i]) << i;
    EXPECT_EQ(hot.printedFireLabel, u"Огнестойкость 600°C - 2 час\u0061:"_s) << "printed with a Latin a";
    EXPECT_EQ(hot.chartPressureTitle, u"Статическое давление при заданной т-ре, Па"_s);
    EXPECT_EQ(hot.gasTemperatureText, u"450"_s);
    EXPECT_EQ(hot.requiredFlowText, u"1500"_s);

    run.fireClass = FireClass::C400;
    run.roofRun = false;
    const SmokeSheetValues normal = smokeSheetValuesOf(fan, run, QLatin1Char(','));
    EXPECT_EQ(normal.rows[1].first, u"Полное давление - Pв, Па"_s);
    EXPECT_EQ(normal.rows[6], std::pair(u"Огнестойкость 400°C - 2 час\u0061:"_s, u"+"_s));
    EXPECT_EQ(normal.printedFireLabel, normal.rows[6].first);
    EXPECT_EQ(normal.printedPriceCaption, u"Цена включая НДС (400°C), руб."_s);
    EXPECT_EQ(normal.chartPressureTitle, u"Полное давление при заданной т-ре, Па"_s);
}

// The sheet's caption names the kind of the fan shown, as its graphs and drawing do: a roof fan's sheet is
// not captioned as a duct fan's.
TEST(FanSheet, CaptionNamesTheKindOfTheFan)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"ВКК-СКАТ канальный", u"Характеристики выбранного канального вентилятора:  "},
        {u"ВКР-ГЭСТ крышный", u"Характеристики выбранного крышного вентилятора:  "},
        {u"КРЫША-ЛТМЖ низкошумная", u"Характеристики выбранного крышного вентилятора:  "},
        {u"ОСВ-ЖЭСТ осевой", u"Характеристики выбранного осевого вентилятора:  "},
    };
    for (const auto& [series, caption] : cases) {
        SelectedFan fan;
        FanRecord& record = fan.listed.record;
        record.name = QString::fromUtf16(series);
        record.d = 400;
        record.polus = 4;
        record.fazkol = true;
        fan.designation = designation(record, CatalogueKind::General).trimmed();
        EXPECT_EQ(
            fanSheetValuesOf(fan, QLatin1Char(',')).caption, QString::fromUtf16(caption) + fan.designation)
            << fan.designation.toStdString();
    }
}
