#include "CurtainFixtures.h"

#include "curtains/CurtainTable.h"

using namespace curtains;
using namespace curtains::testing;
using namespace Qt::StringLiterals;

namespace {

QStringList values(const std::vector<TextLine>& rows)
{
    QStringList list;
    for (const TextLine& row : rows)
        list << row.value;
    return list;
}

TEST(CurtainTableTest, ResultGridsOfTheDefaults)
{
    const QChar sep(u',');
    EXPECT_EQ(values(curtainResultRows(runOf(defaultCurtainInputs(Series::Ork)), sep)),
        (QStringList {u"ОРК-4.208"_s, u"Боковая одностоечная"_s, u"9 °C"_s, u"16500 м3/час"_s, u"13,1 м/с"_s,
            u"3,795 м/с"_s, u"419,4 кВт"_s, u"45,14 %"_s}));

    const std::vector<TextLine> pln = curtainResultRows(runOf(defaultCurtainInputs(Series::Pln)), sep);
    ASSERT_EQ(pln.size(), 10u);
    EXPECT_EQ(pln[1].caption, u"Состав блоков:");
    EXPECT_EQ(values(pln),
        (QStringList {u"ПЛН-4-2*Б"_s, u"(Блоков Б - 2шт.)"_s, u" Верхняя"_s, u"13 °C"_s, u"23970 м3/час"_s,
            u"9,133 м/с"_s, u"3,676 м/с"_s, u"419,4 кВт"_s, u"55,44 %"_s, u"88,81 дБА"_s}));
}

TEST(CurtainTableTest, TwoPostCurtainsCountTheirUnits)
{
    CurtainInputs ork = defaultCurtainInputs(Series::Ork);
    ork.onePost = false;
    EXPECT_EQ(curtainResultRows(runOf(ork), u'.')[3].value, u"2*8000 м3/час");

    CurtainInputs tem = defaultCurtainInputs(Series::Tem);
    tem.onePost = false;
    const CurtainRun temRun = runOf(tem);
    // Grid: both units count; printed noise line: the blocks of one unit.
    EXPECT_EQ(curtainResultRows(temRun, u'.')[8].value, u"73.01 дБА");
    const std::vector<TextLine> printed = curtainReportLines(temRun, u" Проект "_s, u'.');
    EXPECT_EQ(printed[20].value, u"70 дБА");
    EXPECT_EQ(printed[17].value, u"2*17000 м3/час");
    EXPECT_EQ(printed[25].value, u"Проект");
    EXPECT_EQ(printed.back().caption, u"Суммарное звуковое давление, Lp: 73.01 дБА");

    CurtainInputs pln = defaultCurtainInputs(Series::Pln);
    pln.side = true;
    pln.onePost = false;
    const std::vector<TextLine> rows = curtainResultRows(runOf(pln), u'.');
    EXPECT_EQ(rows[1].caption, u"Состав блоков одной стойки:");
    EXPECT_EQ(rows[4].value, u"10000 м3/час");
}

TEST(CurtainTableTest, HeaterLinesAndDesignations)
{
    CurtainInputs water = defaultCurtainInputs(Series::Ork);
    water.heater = HeaterKind::Water; // Δt = 0.25·(80 − 20) = 15 K
    water.onePost = false;
    const CurtainRun w = runOf(water);
    EXPECT_EQ(w.designation, u"ОРК-" + w.choice.model + w.choice.index + u" B2");
    const double output = w.choice.flow * 15 / 3000;
    ASSERT_TRUE(w.heater);
    EXPECT_DOUBLE_EQ(w.heater->output, output);
    const HeaterTexts texts = curtainHeaterTexts(w, u'.');
    EXPECT_EQ(texts.output, u"2*" + QString::number(std::round(output * 100) / 100) + u" кВт");
    EXPECT_EQ(texts.waterFlow, u"2*" + QString::number(std::round(9000 * output / 40) / 10) + u" кг/час");
    EXPECT_EQ(texts.waterLoss, u"12 кПа");

    CurtainInputs electric = defaultCurtainInputs(Series::Ork);
    electric.heater = HeaterKind::Electric;
    const CurtainRun e = runOf(electric);
    EXPECT_TRUE(e.designation.endsWith(u" ЭТ(36)"_s));
    EXPECT_EQ(curtainHeaterTexts(e, u'.').output, u"36.4 кВт");
    EXPECT_EQ(curtainHeaterTexts(e, u'.').waterFlow, u" - ");

    CurtainInputs steam = defaultCurtainInputs(Series::Tem);
    steam.heater = HeaterKind::Steam;
    steam.threeRows = true;
    steam.tc = 30;
    const CurtainRun s = runOf(steam);
    EXPECT_TRUE(s.designation.endsWith(u" П3"_s));
    EXPECT_EQ(s.design.tw1, 150);
    EXPECT_TRUE(curtainHeaterTexts(s, u'.').waterLoss.isEmpty());
    const std::vector<TextLine> printed = curtainReportLines(s, {}, u'.');
    EXPECT_EQ(printed[12].caption, u"Температура пара на входе/выходе:");
    EXPECT_EQ(printed[12].value, u"150/120 °C");
    EXPECT_TRUE(printed[23].caption.isEmpty());

    CurtainInputs tem = defaultCurtainInputs(Series::Tem);
    tem.side = false;
    tem.B = 6; // twice the gate: about 33000 m³/h, two blocks
    const CurtainRun blocks = runOf(tem);
    EXPECT_EQ(blocks.choice.blockCount, 2);
    EXPECT_TRUE(blocks.designation.startsWith(u"ТЕМ-2*6."_s));
    EXPECT_EQ(blocks.choice.flow, 34000);
}

} // namespace
