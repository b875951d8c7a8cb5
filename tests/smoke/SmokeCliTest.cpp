#include "support/CliRunner.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using CliRun = clirunner::JsonRun;

CliRun runCli(const QStringList& arguments)
{
    return clirunner::runCliJson(QStringList {u"smoke"_s} + arguments);
}

QString fixturePath(const QString& name)
{
    return testSourcePath(u"smoke/fixtures/"_s + name);
}

} // namespace

TEST(SmokeCliTest, ProjectGivesTheDutyValuesAndReport)
{
    QTemporaryDir dir;
    const QString rtf = dir.filePath(u"report.rtf"_s);
    const CliRun run
        = runCli({u"--project"_s, fixturePath(u"comma.smkprj"_s), u"--report-rtf"_s, rtf, u"--json"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.json[u"outcome"].toString(), u"ok");
    EXPECT_TRUE(run.json[u"stopped_at_page"].isNull());
    EXPECT_TRUE(run.json[u"messages"].toArray().isEmpty());
    const QJsonObject duty = run.json[u"duty"].toObject();
    EXPECT_NEAR(duty[u"flow"].toDouble(), 17861.703007504988, 1e-6);
    EXPECT_NEAR(duty[u"pressure"].toDouble(), 175.65904713579283, 1e-6);
    EXPECT_FALSE(duty[u"roof_fan"].toBool(true));
    EXPECT_FALSE(duty[u"hot_gas"].toBool(true));
    const QJsonObject values = run.json[u"values"].toObject();
    const QStringList keys = {u"n"_s, u"G"_s, u"vk"_s, u"pk"_s, u"sum_psh"_s, u"Gk"_s, u"Ksh"_s, u"Gsh"_s,
        u"Gc"_s, u"rho_v"_s, u"Tv"_s, u"Pk"_s, u"Qv"_s, u"Pv"_s, u"sections"_s};
    for (const QString& key : keys)
        EXPECT_TRUE(values.contains(key)) << key.toStdString();
    EXPECT_NEAR(values[u"n"].toDouble(), 0.8, 1e-12);
    EXPECT_NEAR(values[u"sum_psh"].toDouble(), 2.803722361248047, 1e-9);
    const QJsonArray sections = values[u"sections"].toArray();
    ASSERT_EQ(sections.size(), 2);
    EXPECT_NEAR(sections[1].toObject()[u"p"].toDouble(), 1.6794928839111123, 1e-9);

    QFile written(rtf), stored(fixturePath(u"corridor.rtf"_s));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly) && stored.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), stored.readAll());
}

// The report's PDF is text a reader finds, formulas with their indices and Greek letters included.
TEST(SmokeCliTest, ReportPdfHoldsTheReportAsText)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"Отчет.pdf"_s);
    const CliRun run = runCli({u"--project"_s, fixturePath(u"comma.smkprj"_s), u"--report-pdf"_s, pdf,
        u"--pages"_s, dir.filePath(u"Отчет"_s), u"--json"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const QString text = lettersAndDigits(pdfText(pdf));
    for (const QString& line : {u"РАСЧЕТ СИСТЕМЫ ДЫМОУДАЛЕНИЯ"_s, u"ИСХОДНЫЕ ДАННЫЕ"_s,
             u"РАСЧЕТНЫЕ ВЕЛИЧИНЫ"_s, u"Принято: Параметры дыма: T = 300 °C, Y = 6 Н/м3"_s})
        EXPECT_TRUE(text.contains(lettersAndDigits(line))) << line.toStdString();
    EXPECT_TRUE(QFile::exists(dir.filePath(u"Отчет_1.jpg"_s)));
}

TEST(SmokeCliTest, RefusalsAndBadArguments)
{
    const CliRun empty = runCli({u"--project"_s, fixturePath(u"empty-table.smkprj"_s), u"--json"_s});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.json[u"outcome"].toString(), u"refused");
    EXPECT_EQ(empty.json[u"stopped_at_page"].toInt(), 4);
    EXPECT_EQ(empty.json[u"messages"].toArray().toVariantList(),
        QVariantList {u"Не задана площадь сечения и/или длина шахты?!"_s});
    EXPECT_TRUE(empty.json[u"duty"].isNull());
    EXPECT_TRUE(empty.json[u"values"].toObject()[u"G"].isNull());

    QTemporaryDir dir;
    const CliRun missing = runCli({u"--project"_s, dir.filePath(u"none.smkprj"_s), u"--json"_s});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.json[u"outcome"].toString(), u"refused");

    EXPECT_EQ(runCli({u"--json"_s}).exitCode, 2);
    EXPECT_EQ(
        runCli({u"--project"_s, fixturePath(u"comma.smkprj"_s), u"--frobnicate"_s, u"1"_s}).exitCode, 2);
}

// The box options act as if typed into the window over the project's boxes.
TEST(SmokeCliTest, BoxOptionsActAsIfTyped)
{
    const QString project = fixturePath(u"comma.smkprj"_s);
    const CliRun fewerFloors = runCli({u"--project"_s, project, u"--floors"_s, u"6"_s, u"--json"_s});
    ASSERT_EQ(fewerFloors.exitCode, 0) << fewerFloors.errors.toStdString();
    // Fewer floors, fewer closed valves leaking air into the shaft.
    const QJsonObject values = fewerFloors.json[u"values"].toObject();
    EXPECT_LT(values[u"Gk"].toDouble(), 3724.14);
    EXPECT_LT(fewerFloors.json[u"duty"].toObject()[u"flow"].toDouble(), 17861.703007504988);

    const CliRun narrowDoor = runCli({u"--project"_s, project, u"--door-width"_s, u"0"_s, u"--json"_s});
    EXPECT_EQ(narrowDoor.exitCode, 1);
    EXPECT_EQ(narrowDoor.json[u"stopped_at_page"].toInt(), 1);
    EXPECT_EQ(narrowDoor.json[u"messages"].toArray().toVariantList(),
        QVariantList {u"Значение не может быть меньше или равно нулю."_s});

    EXPECT_EQ(runCli({u"--project"_s, project, u"--floors"_s, u"many"_s, u"--json"_s}).exitCode, 2);
}
