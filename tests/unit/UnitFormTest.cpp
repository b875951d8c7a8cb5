#include "unit/UnitForm.h"
#include "unit/CategoryTree.h"
#include "unit/UnitGridTexts.h"

#include <gtest/gtest.h>

using namespace unit;
using namespace Qt::StringLiterals;

TEST(UnitPages, HeaterPageChecksEachBoxWhenItIsRead)
{
    const struct {
        const char* what;
        UnitKind kind;
        void (*change)(UnitProject&);
        bool anyType;
        std::optional<UnitField> badNumber;
        std::optional<UnitField> refused;
    } cases[] = {
        {"defaults", UnitKind::HeaterAndCooler, [](UnitProject&) {}, true, {}, {}},
        {"pressure refused before a later bad number", UnitKind::HeaterAndCooler,
            [](UnitProject& p) {
                p.freePressure = u"-1"_s;
                p.airIn = u"x"_s;
            },
            true, {}, UnitField::FreePressure},
        // The outlet check waits for the outlet box, which is no number.
        {"bad outlet before the air check", UnitKind::Heater,
            [](UnitProject& p) {
                p.airIn = u"30"_s;
                p.airOut = u"2..1"_s;
            },
            true, UnitField::AirOut, {}},
        {"air not warmed", UnitKind::Heater, [](UnitProject& p) { p.airOut = u"-26"_s; }, true, {},
            UnitField::AirOut},
        {"water no warmer than the air", UnitKind::Heater,
            [](UnitProject& p) {
                p.airIn = u"15"_s;
                p.airOut = u"30"_s;
                p.waterIn = u"15"_s;
                p.waterOut = u"10"_s;
            },
            true, {}, UnitField::WaterIn},
        {"cooler boxes are not read for a heater", UnitKind::Heater,
            [](UnitProject& p) { p.humidity = u"много"_s; }, true, {}, {}},
        {"heater boxes are not read for a cooler", UnitKind::Cooler, [](UnitProject& p) { p.airIn = u"?"_s; },
            false, {}, {}},
        {"bad humidity", UnitKind::Cooler, [](UnitProject& p) { p.humidity = u"8O"_s; }, false,
            UnitField::Humidity, {}},
        {"types asked last", UnitKind::HeaterAndCooler, [](UnitProject& p) { p.coolerAirOut = u"40"_s; },
            false, {}, UnitField::CoolerAirOut},
        {"no type", UnitKind::Heater, [](UnitProject&) {}, false, {}, UnitField::HeaterTypes},
        // Values beyond what the boxes and formulas provide for.
        {"free pressure above its box", UnitKind::Heater, [](UnitProject& p) { p.freePressure = u"10001"_s; },
            true, {}, UnitField::FreePressure},
        {"air speed above its box", UnitKind::Cooler, [](UnitProject& p) { p.maxSpeed = u"16"_s; }, false, {},
            UnitField::MaxSpeed},
        {"humidity above 100 %", UnitKind::Cooler, [](UnitProject& p) { p.humidity = u"150"_s; }, false, {},
            UnitField::Humidity},
        {"humidity below 0 %", UnitKind::HeaterAndCooler, [](UnitProject& p) { p.humidity = u"-5"_s; }, true,
            {}, UnitField::Humidity},
        {"the bounds themselves", UnitKind::HeaterAndCooler,
            [](UnitProject& p) {
                p.freePressure = u"10000"_s;
                p.maxSpeed = u"15"_s;
                p.humidity = u"100"_s;
            },
            true, {}, {}},
    };
    for (const auto& c : cases) {
        UnitProject p = defaultUnitProject();
        c.change(p);
        const UnitPageRead read = readUnitPage(p, c.kind, c.anyType, u'.');
        EXPECT_EQ(read.badNumber, c.badNumber) << c.what;
        EXPECT_EQ(read.problem ? std::optional(read.problem->field) : std::nullopt, c.refused) << c.what;
        EXPECT_EQ(read.inputs.has_value(), !c.badNumber && !c.refused) << c.what;
    }
    UnitProject p = defaultUnitProject();
    p.maxSpeed = u"2,5"_s;
    p.coolerSeries = 0;
    const UnitPageRead read = readUnitPage(p, UnitKind::HeaterAndCooler, true, u',');
    ASSERT_TRUE(read.inputs);
    EXPECT_EQ(read.inputs->heater.maxSpeed, 2.5);
    EXPECT_EQ(read.inputs->cooler.series, CoolerSeries::Water);
}

TEST(UnitPages, PlainPageAndSectionGridWordTheirRefusals)
{
    const struct {
        PlainPageText typed;
        std::optional<UnitField> badNumber;
        QString message;
    } cases[] = {
        {{u"0"_s, u"0"_s, u"4"_s}, {}, u"Расход воздуха должен быть больше нуля!"_s},
        {{u"3500"_s, u"-1"_s, u"4"_s}, {}, u"Свободное давление должно быть больше или равно нулю!"_s},
        {{u"3500"_s, u"0"_s, u"0"_s}, {},
            u"Максимально возможная скорость воздуха не может быть меньше или равна нулю!"_s},
        {{u"3500"_s, u"ноль"_s, u"4"_s}, UnitField::PlainFreePressure, {}},
        {{u"3500"_s, u"10050"_s, u"4"_s}, {}, u"Свободное давление не может быть больше 10000 Па!"_s},
        {{u"3500"_s, u"0"_s, u"15,5"_s}, UnitField::PlainMaxSpeed, {}},
        {{u"3500"_s, u"0"_s, u"15.5"_s}, {},
            u"Максимально возможная скорость воздуха не может быть больше 15 м/с!"_s},
        {{u" 3500 "_s, u"50"_s, u"4"_s}, {}, {}},
    };
    for (const auto& c : cases) {
        const UnitPageRead read = readPlainPage(c.typed, u'.');
        EXPECT_EQ(read.badNumber, c.badNumber) << c.typed.flow.toStdString();
        EXPECT_EQ(read.problem ? read.problem->message : QString(), c.message);
    }
    EXPECT_EQ(readPlainPage({u"3500"_s, u"50"_s, u"4"_s}, u'.').inputs->freePressure, 50);

    // The grid shows a flow of 0; a negative one or a speed not above 0 is refused, a text silently.
    EXPECT_EQ(readSectionGridInputs(u"0"_s, u"4"_s, u'.').maxSpeed, 4);
    EXPECT_EQ(
        readSectionGridInputs(u"-1"_s, u"4"_s, u'.').message, u"Расход воздуха должен быть больше нуля!"_s);
    const SectionGridRead noSpeed = readSectionGridInputs(u"100"_s, u"0"_s, u'.');
    EXPECT_EQ(noSpeed.flow, 100);
    EXPECT_FALSE(noSpeed.maxSpeed);
    EXPECT_TRUE(noSpeed.message.endsWith(u"нулю!!!"_s));
    const SectionGridRead typing = readSectionGridInputs(u"1e"_s, u"4"_s, u'.');
    EXPECT_FALSE(typing.flow);
    EXPECT_TRUE(typing.message.isEmpty());
}

TEST(UnitGridTexts, HeaterColumnAndCoolerRows)
{
    THeaterVariant water;
    water.tip = u"ВНВ 3 ряда"_s;
    water.model = u"ВНВ 3-80-50"_s;
    water.waterFlow = 1234.56;
    water.airOutlet = 21.456;
    water.waterOutlet = 40.04;
    water.airLoss = 87.25;
    water.waterLoss = 3.5;
    water.heatOutput = 56.789;
    const QStringList texts = heaterColumnTexts(water, 3500, u"800*500"_s, u',');
    EXPECT_EQ(texts,
        (QStringList {u" > ВНВ 3 р"_s, u"3500 м3/час"_s, u"1234,6 кг/час"_s, u"21,46"_s, u"40,04"_s,
            u"87,25 Па"_s, u"3,5 кПа"_s, u"56,79 кВт"_s, u"ВНВ 3-80-50"_s, u"800*500"_s, QString()}));
    EXPECT_EQ(heaterRowTitles().size(), texts.size());
    THeaterVariant electric = water;
    electric.tip = u"ЭН"_s;
    electric.waterFlow = electric.waterOutlet = electric.waterLoss = 0;
    const QStringList electricTexts = heaterColumnTexts(electric, 3500, u"800*500"_s, u'.');
    EXPECT_EQ(electricTexts[0], u" > ЭН <   "_s);
    for (int row : {2, 4, 6})
        EXPECT_TRUE(electricTexts[row].isEmpty()) << row;

    CoolerResult cooler = selectCooler({3500, 35, 18, 80, CoolerSeries::Water}).result.value();
    auto rows = coolerGridRows(cooler, u'.');
    ASSERT_EQ(rows.size(), 8u);
    EXPECT_EQ(rows[0], std::pair(u"Модель"_s, u"ХРСА-80x50"_s));
    EXPECT_EQ(rows[2].second, u"46.15 кВт"_s);
    EXPECT_EQ(rows[4], std::pair(u"Модель ККБ"_s, u"KKB-011"_s));
    EXPECT_EQ(rows[6].second, u"6604 л/час"_s);
    EXPECT_EQ(rows[7].first, u"Cопрот. воде"_s);
    cooler = selectCooler({3500, 35, 18, 80, CoolerSeries::Freon}).result.value();
    rows = coolerGridRows(cooler, u'.');
    EXPECT_EQ(rows[1].second, u"55.37 Па"_s); // 55.4 Pa to three digits
    EXPECT_TRUE(rows[6].first.isEmpty() && rows[7].second.isEmpty());

    EXPECT_EQ(sectionSpeedText(2.4306, u','), u"2,431 м/c"_s);
    EXPECT_EQ(lengthTotalText(1250.5), u"1250 мм"_s);
    EXPECT_EQ(pressureTotalText(411.5), u"412 Па"_s);
}

TEST(UnitGridTexts, CategoryTreeFile)
{
    // Code page 1251, tabs for levels, blank lines skipped, a jump of two levels lifted to one.
    const QByteArray bytes
        = QByteArray("\xCA\xEB\xE0\xEF\xE0\xED\xE0\r\n\t\xC2\xEE\xE7\r\n\r\n\t\t\t\xD1\xEC\r\nA\n");
    const std::vector<TreeNode> nodes = parseCategoryTree(bytes);
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[0].caption, u"Клапана"_s);
    EXPECT_EQ(nodes[1].depth, 1);
    EXPECT_EQ(nodes[1].caption, u"Воз"_s);
    EXPECT_EQ(nodes[2].depth, 2);
    EXPECT_EQ(nodes[3].depth, 0);
}
