#include "fans/SmokeSheet.h"

#include <gtest/gtest.h>

using namespace fans;
using namespace Qt::Literals::StringLiterals;

TEST(SmokeSheet, ElevenRowsWithTheFireClassCaptions)
{
    const QStringList row {u"1"_s, u"КДУ-ГЭСТ 3,55ДУ-4 "_s, u"1510"_s, u"320"_s, u"355"_s, u"1420"_s,
        u"0,2"_s, u"4"_s, u"3"_s, u"0,3"_s, u"          -"_s, QString(), u"0,55"_s, u"57"_s};
    SmokeRunFacts run {1500, 300, true, 1, u" 450 "_s};
    const SmokeSheetValues hot = smokeSheetValuesOf(row, run);
    ASSERT_EQ(hot.rows.size(), size_t(SmokeSheetValues::rowCount));
    EXPECT_EQ(hot.caption, u"Характеристики выбранного вентилятора дымоудаления:  КДУ-ГЭСТ 3,55ДУ-4 "_s);
    EXPECT_EQ(hot.rows[4], std::pair(u"Полюсность электродвигателя мотор-колеса:"_s, u"4"_s));
    EXPECT_EQ(hot.rows[6], std::pair(u"Огнестойкость 600°C - 2 часа:"_s, u"-"_s));
    EXPECT_EQ(hot.rows[8], std::pair(u"Масса, кг:"_s, u"57"_s));
    EXPECT_EQ(hot.rows[9], std::pair(QString(), QString()));
    EXPECT_EQ(hot.printedFireLabel, u"Огнестойкость 600°C - 2 час\u0061:"_s) << "printed with a Latin a";
    EXPECT_EQ(hot.chartPressureTitle, u"Статическое давление при заданной т-ре, Па"_s);
    EXPECT_EQ(hot.gasTemperatureText, u"450"_s);

    run.fireClass = 0;
    run.roofRun = false;
    const SmokeSheetValues normal = smokeSheetValuesOf(row, run);
    EXPECT_EQ(normal.rows[6].first, u"Огнестойкость 400°C - 2 час\u0061:"_s);
    EXPECT_EQ(normal.printedFireLabel, normal.rows[6].first);
    EXPECT_EQ(normal.printedPriceCaption, u"Цена включая НДС (400°C), руб."_s);
    EXPECT_EQ(normal.chartPressureTitle, u"Полное давление при заданной т-ре, Па"_s);
}
