#include "curtains/CurtainProjectFile.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace curtains;
using namespace Qt::StringLiterals;

namespace {

using CliRun = clirunner::JsonRun;

CliRun curtain(const QStringList& arguments)
{
    return clirunner::runCliJson(QStringList {u"curtain"_s, u"--json"_s} + arguments);
}

QString g4(const QJsonValue& value)
{
    return QString::number(value.toDouble(), 'g', 4);
}

class CurtainCliTest : public ::testing::Test {
protected:
    // A project of the series in the test folder, saved the way the window saves it.
    QString project(Series series, const CurtainProject& p, const QString& name)
    {
        const QString path = m_dir.filePath(name + u"."_s + curtainProjectFile(series).suffix);
        EXPECT_FALSE(saveProjectFile(curtainProjectFile(series), path, p, QLatin1Char(',')));
        return path;
    }
    QString project(Series series) { return project(series, defaultCurtainProject(series), u"defaults"_s); }

    QTemporaryDir m_dir;
};

TEST_F(CurtainCliTest, DefaultsOfEachSeries)
{
    const CliRun ork = curtain({u"--project"_s, project(Series::Ork)});
    ASSERT_EQ(ork.exitCode, 0);
    const QJsonObject& j = ork.json;
    EXPECT_EQ(j[u"status"_s].toString(), u"ok");
    EXPECT_TRUE(j[u"messages"_s].toArray().isEmpty());
    EXPECT_EQ(j[u"designation"_s].toString(), u"ОРК-4.208");
    EXPECT_EQ(j[u"model"_s].toString(), u"4.2");
    EXPECT_EQ(j[u"index"_s].toString(), u"08");
    EXPECT_EQ(qRound(j[u"required_flow"_s].toDouble()), 16259);
    EXPECT_EQ(j[u"flow"_s].toDouble(), 16500);
    EXPECT_EQ(j[u"slot_width"_s].toDouble(), 0.175);
    EXPECT_TRUE(j[u"blocks"_s].isNull());
    const QJsonObject jet = j[u"jet"_s].toObject();
    EXPECT_EQ(g4(jet[u"outlet_velocity"_s]), u"13.1");
    EXPECT_EQ(qRound(jet[u"end_temperature"_s].toDouble()), 9);
    EXPECT_EQ(g4(jet[u"mean_velocity"_s]), u"3.795");
    EXPECT_EQ(jet[u"points"_s].toArray().size(), 41);
    EXPECT_EQ(jet[u"points"_s].toArray().at(0).toArray(), (QJsonArray {0.0, 0.0}));
    EXPECT_EQ(g4(j[u"heat_loss"_s]), u"419.4");
    EXPECT_EQ(g4(j[u"efficiency"_s]), u"45.14");
    EXPECT_TRUE(j[u"heater"_s].isNull());

    const CliRun tem = curtain({u"--project"_s, project(Series::Tem)});
    ASSERT_EQ(tem.exitCode, 0);
    EXPECT_EQ(tem.json[u"model"_s].toString(), u"6");
    EXPECT_EQ(tem.json[u"flow"_s].toDouble(), 17000);
    EXPECT_EQ(tem.json[u"block_count"_s].toInt(), 1);

    CurtainProject twoPosts = defaultCurtainProject(Series::Pln);
    twoPosts.placement = 0;
    twoPosts.posts = 1;
    const CliRun pln = curtain({u"--project"_s, project(Series::Pln, twoPosts, u"two"_s)});
    ASSERT_EQ(pln.exitCode, 0);
    EXPECT_EQ(pln.json[u"designation"_s].toString(), u"ПЛН-3-2*А");
    EXPECT_EQ(pln.json[u"blocks"_s].toObject(), (QJsonObject {{u"A"_s, 2}, {u"B"_s, 0}}));
    EXPECT_EQ(pln.json[u"flow"_s].toDouble(), 10000);
    EXPECT_EQ(pln.json[u"slot_width"_s].toDouble(), 0.24);
    EXPECT_TRUE(pln.json[u"index"_s].isNull());
}

TEST_F(CurtainCliTest, HeatersReadTheBundledCatalogue)
{
    CurtainProject water = defaultCurtainProject(Series::Ork);
    water.heaterType = 1;
    const CliRun ork = curtain({u"--project"_s, project(Series::Ork, water, u"water"_s)});
    ASSERT_EQ(ork.exitCode, 0);
    const QJsonObject heater = ork.json[u"heater"_s].toObject();
    const double flow = ork.json[u"flow"_s].toDouble();
    EXPECT_DOUBLE_EQ(heater[u"output"_s].toDouble(), flow * 15 / 3000);
    EXPECT_DOUBLE_EQ(heater[u"water_flow"_s].toDouble(), 900 * flow * 15 / 3000 / 40);
    EXPECT_GT(heater[u"water_loss"_s].toDouble(), 0);
    EXPECT_TRUE(heater[u"power"_s].isNull());

    CurtainProject electric = defaultCurtainProject(Series::Pln);
    electric.heaterType = 2;
    const CliRun pln = curtain({u"--project"_s, project(Series::Pln, electric, u"electric"_s)});
    ASSERT_EQ(pln.exitCode, 0);
    EXPECT_EQ(pln.json[u"designation"_s].toString(), u"ПЛН-2-2*АЭ-1*БЭ");
    EXPECT_GT(pln.json[u"heater"_s].toObject()[u"power"_s].toDouble(), 9.8); // 10 K on 9800 m³/h
}

TEST_F(CurtainCliTest, IndexRefusalsAndBadArguments)
{
    CurtainProject twoPosts = defaultCurtainProject(Series::Ork);
    twoPosts.posts = 1;
    const QString path = project(Series::Ork, twoPosts, u"two"_s);
    const CliRun wide = curtain({u"--project"_s, path, u"--index"_s, u"10"_s});
    ASSERT_EQ(wide.exitCode, 0);
    EXPECT_EQ(wide.json[u"index"_s].toString(), u"10");
    EXPECT_EQ(wide.json[u"slot_width"_s].toDouble(), 0.225);

    const CliRun unknownIndex = curtain({u"--project"_s, path, u"--index"_s, u"11"_s});
    EXPECT_EQ(unknownIndex.exitCode, 1);
    EXPECT_EQ(unknownIndex.json[u"status"_s].toString(), u"refused");
    EXPECT_TRUE(unknownIndex.json[u"efficiency"_s].isNull());

    CurtainProject wind = defaultCurtainProject(Series::Ork);
    wind.v = u"50"_s;
    const CliRun broken = curtain({u"--project"_s, project(Series::Ork, wind, u"wind"_s)});
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_TRUE(broken.json[u"efficiency"_s].isNull());
    EXPECT_FALSE(broken.json[u"jet"_s].isNull()); // computed before the refusal

    QFile shortFile(m_dir.filePath(u"short.temprj"_s));
    ASSERT_TRUE(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(100, '\0'));
    shortFile.close();
    const CliRun unreadable = curtain({u"--project"_s, shortFile.fileName()});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_EQ(unreadable.json[u"messages"_s].toArray().at(0).toString(), u"Произошла ошибка чтения файла!");

    const QString plnPath = project(Series::Pln);
    EXPECT_EQ(curtain({}).exitCode, 2);
    EXPECT_EQ(curtain({u"--project"_s, m_dir.filePath(u"a.txt"_s)}).exitCode, 2);
    EXPECT_EQ(curtain({u"--project"_s, plnPath, u"--index"_s, u"05"_s}).exitCode, 2);
    EXPECT_EQ(curtain({u"--project"_s, plnPath, u"--series"_s, u"xyz"_s}).exitCode, 2);
    // The series given wins over the extension: the ПЛН record read as ОРК is too short.
    EXPECT_EQ(curtain({u"--project"_s, plnPath, u"--series"_s, u"ork"_s}).exitCode, 1);
}

// What the window refuses or says, the command says too, with the window's messages in its order.
TEST_F(CurtainCliTest, RefusalsAndShortfallGiveTheWindowsMessages)
{
    CurtainProject badNumber = defaultCurtainProject(Series::Ork);
    badNumber.B = u"3.5.1"_s;
    CurtainProject limited = defaultCurtainProject(Series::Tem);
    limited.blockLimit = 0;
    limited.smallestBlock = 3; // "600мм"
    const struct {
        const char* what;
        QStringList arguments;
        int exitCode;
        QStringList messages; // each the whole message or, ending in "…", its beginning
    } cases[] = {
        {"a number error with its two hints", {u"--project"_s, project(Series::Ork, badNumber, u"bad"_s)}, 1,
            {u"Ошибочная запись числа: 3.5.1"_s, u" В десятичной записи числа…"_s, u" Разделитель…"_s}},
        {"a gate wider than its box", {u"--series"_s, u"ork"_s, u"--width"_s, u"60"_s}, 1,
            {u"Ширина воротного проема, B не может быть больше 50 м?!"_s}},
        {"a wind beyond its box", {u"--series"_s, u"pln"_s, u"--wind"_s, u"50.5"_s}, 1,
            {u"Скорость ветра, v: не может быть больше 50 м/с?!"_s}},
        {"ТЕМ blocks held to 600 mm", {u"--project"_s, project(Series::Tem, limited, u"limited"_s)}, 0,
            {u"Расход воздуха завесы 8300 м3/час меньше требуемого 16259 м3/час: завеса не обеспечивает "
             u"расчетный расход воздуха. Измените исходные данные или ограничения."_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = curtain(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_EQ(run.json[u"status"_s].toString(), c.exitCode == 0 ? u"ok"_s : u"refused"_s);
        const QJsonArray messages = run.json[u"messages"_s].toArray();
        ASSERT_EQ(messages.size(), c.messages.size());
        for (qsizetype i = 0; i < messages.size(); ++i) {
            const QString& expected = c.messages[i];
            if (expected.endsWith(u'…'))
                EXPECT_TRUE(messages[i].toString().startsWith(expected.chopped(1)));
            else
                EXPECT_EQ(messages[i].toString(), expected);
        }
    }
    // The short curtain keeps its numbers.
    const CliRun tem = curtain({u"--project"_s, project(Series::Tem, limited, u"limited"_s)});
    EXPECT_EQ(tem.json[u"flow"_s].toDouble(), 8300);
    EXPECT_EQ(qRound(tem.json[u"required_flow"_s].toDouble()), 16259);
    EXPECT_FALSE(tem.json[u"efficiency"_s].isNull());
}

} // namespace

// Without a project the series' defaults run; the box options act as if typed over the defaults or the
// project.
TEST_F(CurtainCliTest, BoxOptionsActAsIfTyped)
{
    const CliRun tem = curtain({u"--series"_s, u"tem"_s});
    ASSERT_EQ(tem.exitCode, 0);
    EXPECT_EQ(qRound(tem.json[u"required_flow"_s].toDouble()), 16259);
    EXPECT_EQ(tem.json[u"model"_s].toString(), u"6");

    // A wider gate needs more air than the default one.
    const CliRun wide = curtain({u"--project"_s, project(Series::Ork), u"--width"_s, u"4.5"_s});
    ASSERT_EQ(wide.exitCode, 0);
    EXPECT_GT(wide.json[u"required_flow"_s].toDouble(), 16260);

    // Water temperatures count only with a water heater.
    CurtainProject water = defaultCurtainProject(Series::Ork);
    water.heaterType = 1;
    const CliRun hotter = curtain(
        {u"--project"_s, project(Series::Ork, water, u"water"_s), u"--tw1"_s, u"95"_s, u"--tw2"_s, u"70"_s});
    ASSERT_EQ(hotter.exitCode, 0);
    const double flow = hotter.json[u"flow"_s].toDouble();
    EXPECT_NEAR(hotter.json[u"heater"_s].toObject()[u"water_flow"_s].toDouble(),
        900 * flow * 0.25 * (95 - 20) / 3000 / 25, 1e-9 * flow);
    EXPECT_EQ(curtain({u"--series"_s, u"ork"_s, u"--tw1"_s, u"x"_s}).exitCode, 2);
    EXPECT_EQ(curtain({u"--series"_s, u"ork"_s, u"--tw3"_s, u"1"_s}).exitCode, 2);
}
