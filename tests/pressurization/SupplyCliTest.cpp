#include "SupplyFixtures.h"
#include "pressurization/SupplyProjectFile.h"
#include "pressurization/SupplyWizard.h"
#include "support/CliRunner.h"
#include "support/PdfText.h"

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
    return clirunner::runCliJson(QStringList {u"pressurization"_s} + arguments);
}

QString savedProject(const QTemporaryDir& dir, const pressurization::SupplyProject& project)
{
    const QString path = dir.filePath(u"p.podporprj"_s);
    EXPECT_FALSE(saveProjectFile(pressurization::supplyProjectFile(), path, project, QLatin1Char('.')));
    return path;
}

TEST(SupplyCliTest, SeparateSchemeGivesBothFansAndTheValues)
{
    QTemporaryDir dir;
    pressurization::SupplyProject p = projectWithDucts();
    p.schemeShaft = false;
    p.schemeSeparate = true;
    p.windSpeed = u"10"_s;
    p.doors = u"16"_s;
    const CliRun run = runCli({u"--project"_s, savedProject(dir, p), u"--json"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    EXPECT_EQ(run.json[u"outcome"].toString(), u"ok");
    EXPECT_TRUE(run.json[u"stopped_at_page"].isNull());
    const QJsonArray fans = run.json[u"fans"].toArray();
    ASSERT_EQ(fans.size(), 2);
    EXPECT_NEAR(fans[0].toObject()[u"flow"].toDouble(), 22431.918376416903, 1e-6);
    EXPECT_NEAR(fans[1].toObject()[u"pressure"].toDouble(), 1433.025710188227, 1e-6);
    const QJsonObject values = run.json[u"values"].toObject();
    for (const char16_t* key : {u"rho_n", u"Psh1", u"Gsr", u"Gdv", u"Gob", u"Gk", u"Gsh", u"Qsh", u"Qk"})
        EXPECT_TRUE(values[QString::fromUtf16(key)].isDouble()) << QString::fromUtf16(key).toStdString();
    // The shaft scheme's quantities are not computed here.
    for (const char16_t* key : {u"Gsh1", u"G", u"Q", u"Pv"})
        EXPECT_TRUE(values[QString::fromUtf16(key)].isNull()) << QString::fromUtf16(key).toStdString();
    const QJsonArray pc = values[u"Pc"].toArray();
    ASSERT_EQ(pc.size(), 3);
    EXPECT_NEAR(pc[0].toDouble(), 937.8017044190094, 1e-6);
    EXPECT_NEAR(pc[1].toDouble(), 1197.7026199104491, 1e-6);
    EXPECT_TRUE(pc[2].isNull());
}

TEST(SupplyCliTest, WorkedExampleOfEachScheme)
{
    struct Case {
        bool pressurization::SupplyProject::*scheme;
        std::vector<std::pair<double, double>> fans;
    };
    using P = pressurization::SupplyProject;
    const Case cases[] = {
        {&P::schemeShaft, {{32504.70305798266, 514.525140297175}}},
        {&P::schemeJoint, {{19523.40751411741, 313.27335677393353}}},
        // A winter zone project: -10 °C, 24 storeys, three lifts, another tambour, zones of 10 storeys.
        {&P::schemeZones,
            {{11376.93536019361, 658.8906761889631}, {19963.25968308689, 1837.2038504040968},
                {16661.576859555036, 1267.9076963573373}}},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        P p = projectWithDucts();
        p.schemeShaft = false;
        p.*c.scheme = true;
        if (c.scheme == &P::schemeZones) {
            p.outdoorTemperature = u"-10"_s;
            p.floors = u"24"_s;
            p.lifts = u"3"_s;
            p.tambour = 1;
            p.zoneFloors = u"10"_s;
        }
        const CliRun run = runCli({u"--project"_s, savedProject(dir, p), u"--json"_s});
        ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
        const QJsonArray fans = run.json[u"fans"].toArray();
        ASSERT_EQ(fans.size(), static_cast<qsizetype>(c.fans.size()));
        for (qsizetype i = 0; i < fans.size(); ++i) {
            EXPECT_NEAR(fans[i].toObject()[u"flow"].toDouble(), c.fans[i].first, 1e-6) << i;
            EXPECT_NEAR(fans[i].toObject()[u"pressure"].toDouble(), c.fans[i].second, 1e-6) << i;
        }
    }
}

// A fan duty of zero or less ends the run refused with the window's message; no fan is handed on.
TEST(SupplyCliTest, FanDutiesOfZeroOrLessAreRefused)
{
    struct Case {
        const char* name;
        bool pressurization::SupplyProject::*scheme;
        QString floors;
        int page;
        QString message;
    };
    using P = pressurization::SupplyProject;
    const Case cases[] = {
        {"zones of the window's defaults", &P::schemeZones, u"10"_s, 5,
            u"Расход вентилятора 1 получается равным нулю или меньше нуля (-3975 м3/ч). В зоне слишком мало "
            u"этажей для здания. Исходные данные вне области применения методики расчета."_s},
        {"separate supply in three storeys", &P::schemeSeparate, u"3"_s, 4,
            u"Расход вентилятора 1 получается равным нулю или меньше нуля (-834 м3/ч). В здании слишком мало "
            u"этажей для раздельной подачи воздуха. Исходные данные вне области применения методики "
            u"расчета."_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        P p = projectWithDucts();
        p.schemeShaft = false;
        p.*c.scheme = true;
        p.floors = c.floors;
        const CliRun run = runCli({u"--project"_s, savedProject(dir, p), u"--json"_s});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.json[u"outcome"].toString(), u"refused");
        EXPECT_EQ(run.json[u"stopped_at_page"].toInt(), c.page);
        EXPECT_EQ(run.json[u"messages"].toArray().toVariantList(), QVariantList {c.message});
        EXPECT_TRUE(run.json[u"fans"].toArray().isEmpty());
        EXPECT_TRUE(run.json[u"values"].toObject()[u"Qsh"].isNull());
    }
}

TEST(SupplyCliTest, WritesTheReportAsRtfPagesAndPdf)
{
    QTemporaryDir dir;
    pressurization::SupplyProject p = projectWithDucts();
    p.schemeShaft = false;
    p.schemeZones = true;
    p.zoneFloors = u"6"_s;
    const QString rtf = dir.filePath(u"report.rtf"_s);
    const QString pdf = dir.filePath(u"report.pdf"_s);
    const CliRun run = runCli({u"--project"_s, savedProject(dir, p), u"--report-rtf"_s, rtf, u"--pages"_s,
        dir.filePath(u"Отчет.txt"_s), u"--report-pdf"_s, pdf, u"--json"_s});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    EXPECT_EQ(bytes(rtf), pressurization::runSupplyProject(p, QLatin1Char('.')).wizard.report().document());
    // The zone report runs over two pages at least, each a JPEG file of its own.
    EXPECT_TRUE(bytes(dir.filePath(u"Отчет_1.jpg"_s)).startsWith("\xff\xd8"));
    EXPECT_TRUE(bytes(dir.filePath(u"Отчет_2.jpg"_s)).startsWith("\xff\xd8"));
    // The PDF holds the report as text: headings, given values and formulas with their Greek letters.
    const QString text = lettersAndDigits(pdfText(pdf));
    for (const QString& line : {u"РАСЧЕТ СИСТЕМЫ ПРОТИВОДЫМНОЙ ЗАЩИТЫ"_s, u"РАСЧЕТНЫЕ ВЕЛИЧИНЫ"_s,
             u"Давление в вестибюле на 1-м этаже"_s, u"ρн"_s})
        EXPECT_TRUE(text.contains(lettersAndDigits(line))) << line.toStdString();

    // A file that cannot be written ends the command with its reason.
    const CliRun unwritable = runCli(
        {u"--project"_s, savedProject(dir, p), u"--report-rtf"_s, dir.filePath(u"missing/report.rtf"_s)});
    EXPECT_EQ(unwritable.exitCode, 1);
    EXPECT_TRUE(unwritable.errors.contains("report.rtf")) << unwritable.errors.toStdString();
}

TEST(SupplyCliTest, RefusalsAndBadArguments)
{
    QTemporaryDir dir;
    const CliRun empty = runCli({u"--project"_s, savedProject(dir, {}), u"--json"_s});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_EQ(empty.json[u"outcome"].toString(), u"refused");
    EXPECT_EQ(empty.json[u"stopped_at_page"].toInt(), 3);
    EXPECT_EQ(empty.json[u"messages"].toArray().first().toString(),
        u"Не задана площадь сечения и/или длина участка!");
    EXPECT_TRUE(empty.json[u"fans"].toArray().isEmpty());
    EXPECT_TRUE(empty.json[u"values"].toObject()[u"Psh1"].isNull());

    const QString broken = dir.filePath(u"broken.podporprj"_s);
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("short");
    file.close();
    const CliRun unreadable = runCli({u"--project"_s, broken, u"--json"_s});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_EQ(unreadable.json[u"messages"].toArray().first().toString(), u"Произошла ошибка чтения файла!");

    EXPECT_EQ(runCli({u"--json"_s}).exitCode, 2);
    EXPECT_EQ(runCli({u"--project"_s, broken, u"--colour"_s}).exitCode, 2);
}

} // namespace
