#include "heating/HeatingUnitForm.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using CliRun = clirunner::JsonRun;

CliRun luma(const QStringList& arguments)
{
    return clirunner::runCliJson(QStringList {u"luma"_s, u"--json"_s} + arguments);
}

QString g4(const QJsonValue& value)
{
    return QString::number(value.toDouble(), 'g', 4);
}

// A project whose indoor temperature is no number.
QString badNumberProject()
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(u"bad.lumaprj"_s);
    heating::HeatingUnitProject p = heating::defaultHeatingUnitProject();
    p.tv = u"2..5"_s;
    EXPECT_FALSE(saveProjectFile(heating::heatingProjectFile(), path, p, u'.'));
    return path;
}

QJsonObject firstModel(const CliRun& run)
{
    return run.json[u"models"_s].toArray().at(0).toObject();
}

TEST(LumaCliTest, DefaultsAndInclinedJetGiveTheKnownFirstModel)
{
    const CliRun defaults = luma({});
    ASSERT_EQ(defaults.exitCode, 0);
    EXPECT_EQ(g4(defaults.json[u"demand"_s]), u"27.17");
    EXPECT_TRUE(defaults.json[u"messages"_s].toArray().isEmpty());
    const QJsonArray models = defaults.json[u"models"_s].toArray();
    ASSERT_EQ(models.size(), 6);
    EXPECT_EQ(models.at(5).toObject()[u"name"_s].toString(), u"3-3");
    const QJsonObject m = firstModel(defaults);
    EXPECT_EQ(g4(m[u"output"_s]), u"12.07");
    EXPECT_EQ(m[u"units"_s].toInt(), 3);
    EXPECT_EQ(g4(m[u"water_flow"_s]), u"271.9");
    EXPECT_EQ(g4(m[u"water_loss"_s]), u"1.434");
    EXPECT_EQ(g4(m[u"hmin"_s]), u"3.579");
    EXPECT_EQ(g4(m[u"xmax"_s]), u"11.05");
    // Unrounded numbers: the 1-3 water flow is exact after its single pass.
    EXPECT_EQ(models.at(1).toObject()[u"water_flow"_s].toDouble(), 337.5);

    const QJsonObject inclined = firstModel(luma({u"--angle"_s, u"-30"_s}));
    EXPECT_EQ(g4(inclined[u"hmin"_s]), u"3.142");
    EXPECT_EQ(g4(inclined[u"xmax"_s]), u"6.279");
    EXPECT_EQ(g4(inclined[u"xmin"_s]), u"2.181");
    EXPECT_EQ(g4(inclined[u"area"_s]), u"2.837");

    const QJsonObject vertical = firstModel(luma({u"--angle"_s, u"-90"_s}));
    EXPECT_TRUE(vertical[u"xmax"_s].isNull());
    EXPECT_EQ(vertical[u"hmin"_s].toDouble(), 1.5);
}

TEST(LumaCliTest, GivenDemand)
{
    const CliRun given = luma({u"--mode"_s, u"given"_s, u"--demand"_s, u"30"_s});
    ASSERT_EQ(given.exitCode, 0);
    EXPECT_EQ(given.json[u"demand"_s].toDouble(), 30.0);
    EXPECT_EQ(firstModel(given)[u"units"_s].toInt(), 3); // 30 / 12.07 = 2.49
}

TEST(LumaCliTest, ProjectFileIsLoadedAndFlagsOverrideIt)
{
    const QString project = testSourcePath(u"heating/fixtures/comma.lumaprj"_s);
    const CliRun run = luma({u"--project"_s, project});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.json[u"demand"_s].toDouble(), 120.75);
    const CliRun overridden
        = luma({u"--project"_s, project, u"--mode"_s, u"given"_s, u"--demand"_s, u"10"_s});
    EXPECT_EQ(overridden.json[u"demand"_s].toDouble(), 10.0);
}

TEST(LumaCliTest, RefusalsGiveMessagesAndNoNumbers)
{
    const struct {
        QStringList arguments;
        QStringList messageStarts;
    } cases[] = {
        {{u"--project"_s, testSourcePath(u"heating/fixtures/short.lumaprj"_s)},
            {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение"_s}},
        {{u"--tn"_s, u"20"_s}, {u"Температура воздуха внутри помещения должна быть больше"_s}},
        {{u"--tw2"_s, u"80"_s}, {u"Температура воды на выходе не может быть"_s}},
        {{u"--tn"_s, u"5"_s}, {u"Расчет теплопотерь здания"_s}},
        {{u"--volume"_s, u"0"_s}, {u"Внешний объем здания должен"_s}},
        // No heat demand: no count of units.
        {{u"--mode"_s, u"given"_s, u"--demand"_s, u"-30"_s},
            {u"Необходимая мощность для нагрева, Q должна быть больше нуля"_s}},
        {{u"--gains"_s, u"80"_s}, {u"Теплопритоки не меньше теплопотерь"_s}},
        // A number that cannot be read gives the window's three messages.
        {{u"--project"_s, badNumberProject()},
            {u"Ошибочная запись числа: 2..5"_s, u" В десятичной записи числа"_s, u" Разделитель"_s}},
    };
    for (const auto& c : cases) {
        const CliRun run = luma(c.arguments);
        EXPECT_EQ(run.exitCode, 1) << c.arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.json[u"demand"_s].isNull());
        EXPECT_TRUE(firstModel(run)[u"output"_s].isNull());
        const QJsonArray messages = run.json[u"messages"_s].toArray();
        ASSERT_EQ(messages.size(), c.messageStarts.size());
        for (qsizetype i = 0; i < messages.size(); ++i)
            EXPECT_TRUE(messages.at(i).toString().startsWith(c.messageStarts.at(i)))
                << messages.at(i).toString().toStdString();
    }
}

TEST(LumaCliTest, BadArgumentsAreRejected)
{
    for (const QStringList& arguments : {QStringList {u"--angle"_s, u"-20"_s},
             QStringList {u"--mode"_s, u"x"_s}, QStringList {u"--building"_s, u"4"_s},
             QStringList {u"--tn"_s, u"abc"_s}, QStringList {u"--speed"_s, u"1"_s}})
        EXPECT_EQ(luma(arguments).exitCode, 2) << arguments.join(u' ').toStdString();
}

} // namespace
