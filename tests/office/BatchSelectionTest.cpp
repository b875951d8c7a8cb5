#include "office/BatchSelection.h"
#include "common/CatalogueStore.h"
#include "fans/DutyFit.h"
#include "fans/FanCurve.h"
#include "fans/SelectionMessages.h"
#include "office/CsvTable.h"
#include "office/ParadoxCatalogue.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using clirunner::runCli;

namespace {

fans::FoundFan foundFan(double operatingFlow, double operatingPressure, std::optional<double> power,
    const FanRecord* record = nullptr)
{
    fans::FoundFan fan;
    fan.record = record;
    fan.operatingFlow = operatingFlow;
    fan.operatingPressure = operatingPressure;
    fan.powerAtOperating = power;
    return fan;
}

TEST(DutyFit, DeviationEfficiencyAndSpeed)
{
    FanRecord record;
    record.n = 1450;
    const FanRecord still; // no catalogue speed
    const struct {
        const char* what;
        fans::FoundFan fan;
        double deviation;
        std::optional<double> efficiency;
        std::optional<double> speed;
    } cases[] = {
        {"above the duty", foundFan(5250, 551.25, 1.2, &record), 5, 5250 * 551.25 / 3.6e6 / 1.2,
            1450 * 5000 / 5250.0},
        {"below the duty", foundFan(4500, 405, 0.9, &record), -10, 4500 * 405 / 3.6e6 / 0.9,
            1450 * 5000 / 4500.0},
        {"no power at the operating point", foundFan(5000, 500, std::nullopt, &record), 0, std::nullopt,
            1450},
        {"power of nought", foundFan(5000, 500, 0.0, &record), 0, std::nullopt, 1450},
        {"no speed in the catalogue", foundFan(5100, 520.2, 1.0, &still), 2, 5100 * 520.2 / 3.6e6,
            std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fans::DutyFit fit = fans::dutyFit(c.fan, 5000);
        EXPECT_NEAR(fit.deviation, c.deviation, 1e-9);
        ASSERT_EQ(fit.efficiency.has_value(), c.efficiency.has_value());
        if (c.efficiency) {
            EXPECT_NEAR(*fit.efficiency, *c.efficiency, 1e-12);
        }
        ASSERT_EQ(fit.speedForDuty.has_value(), c.speed.has_value());
        if (c.speed) {
            EXPECT_NEAR(*fit.speedForDuty, *c.speed, 1e-9);
        }
    }
}

// At the speed given, the fan laws move the whole curve (Q·s, P·s², s = n'/n), and the fan then works
// exactly at the duty on the same system curve.
TEST(DutyFit, SpeedForDutyMeetsTheDutyByTheFanLaws)
{
    FanRecord record;
    record.n = 1400;
    const double top = 950;
    for (int i = 0; i < 8; ++i) {
        const double q = 1000.0 * (i + 1);
        record.columns[size_t(i)] = q;
        record.columns[size_t(20 + i)] = top - 1.6e-5 * q * q;
        record.columns[size_t(40 + i)] = 0.4 + q / 8000;
    }
    record.pointCount = 8;
    const auto curve = fans::FanCurve::fromRecord(record);
    ASSERT_TRUE(curve);
    const fans::DutyBand band = fans::DutyBand::around(5000, 500, 15);
    fans::FoundFan fan = foundFan(fans::operatingFlow(*curve, band), 0, 1.0, &record);
    fan.operatingPressure = band.systemPressure(fan.operatingFlow);
    ASSERT_GT(std::abs(fan.operatingFlow - 5000), 50);
    const double s = *fans::dutyFit(fan, 5000).speedForDuty / record.n;

    FanRecord scaled = record;
    for (int i = 0; i < 8; ++i) {
        scaled.columns[size_t(i)] = *record.columns[size_t(i)] * s;
        scaled.columns[size_t(20 + i)] = *record.columns[size_t(20 + i)] * s * s;
    }
    EXPECT_NEAR(fans::operatingFlow(*fans::FanCurve::fromRecord(scaled), band), 5000, 0.5);
}

TEST(DutyFit, RankedByNearestFlowThenLowestPower)
{
    const std::vector<fans::FoundFan> fans {
        foundFan(5300, 0, 1.0), // 0: 300 away
        foundFan(4899.6, 0, 2.0), // 1: shown as 4900, 100 away
        foundFan(5100.2, 0, 2.0), // 2: 100 away, more power than 3
        foundFan(5099.8, 0, 1.5), // 3: shown as 5100
        foundFan(4900, 0, std::nullopt), // 4: 100 away, no power
        foundFan(5000.4, 0, 3.0), // 5: at the duty
    };
    EXPECT_EQ(fans::rankedForDuty(fans, 5000), (std::vector<size_t> {5, 3, 1, 2, 4, 0}));
}

TEST(CsvTable, RecordsCellsAndLines)
{
    const office::CsvText csv = office::readCsv("\xEF\xBB\xBFtag,flow\r\n"
                                                "\"П1, приток\",5000\r\n"
                                                "\r\n"
                                                "\"В \"\"левый\"\"\",\"1\n2\"\n"
                                                ",\n"
                                                "last,1");
    EXPECT_TRUE(csv.error.isEmpty());
    ASSERT_EQ(csv.records.size(), 5u);
    EXPECT_EQ(csv.records[0].cells, (QStringList {u"tag"_s, u"flow"_s}));
    EXPECT_EQ(csv.records[1].cells, (QStringList {u"П1, приток"_s, u"5000"_s}));
    EXPECT_EQ(csv.records[2].cells, (QStringList {u"В \"левый\""_s, u"1\n2"_s}));
    EXPECT_EQ(csv.records[3].cells, (QStringList {QString(), QString()}));
    std::vector<int> lines;
    for (const auto& r : csv.records)
        lines.push_back(r.line);
    EXPECT_EQ(lines, (std::vector<int> {1, 2, 4, 6, 7}));

    EXPECT_EQ(office::readCsv("tag,flow\nП1,\"5000\n").error, u"строка 2: кавычка не закрыта"_s);
    EXPECT_EQ(office::csvCell(u"ВКП 3,15-4-3"_s), u"\"ВКП 3,15-4-3\""_s);
    EXPECT_EQ(office::csvCell(u"a\"b"_s), u"\"a\"\"b\""_s);
}

// A spreadsheet here saves CSV in code page 1251 and, in the Russian locale, with ";" between fields; the
// first line decides the separator by what it uses outside quotes.
TEST(CsvTable, EncodingAndSeparatorOfASpreadsheetFile)
{
    const QByteArray cp1251Tags = "tag,flow\r\n\xCF\x31,5000\r\n\xC2\x31,3000\r\n"; // П1, В1
    const struct {
        const char* what;
        QByteArray bytes;
        QChar separator;
        QList<QStringList> records;
    } cases[] = {
        {"code page 1251", cp1251Tags, u',',
            {{u"tag"_s, u"flow"_s}, {u"П1"_s, u"5000"_s}, {u"В1"_s, u"3000"_s}}},
        {"UTF-8", "tag,flow\nП1,5000\n", u',', {{u"tag"_s, u"flow"_s}, {u"П1"_s, u"5000"_s}}},
        {"UTF-8 with a byte-order mark", "\xEF\xBB\xBFtag;flow\nП1;5000\n", u';',
            {{u"tag"_s, u"flow"_s}, {u"П1"_s, u"5000"_s}}},
        {"semicolons, commas inside cells", "tag;flow\n\"П1, приток\";5000,5\n", u';',
            {{u"tag"_s, u"flow"_s}, {u"П1, приток"_s, u"5000,5"_s}}},
        {"a semicolon only inside quotes", "\"a;b\",c\nd;e,f\n", u',',
            {{u"a;b"_s, u"c"_s}, {u"d;e"_s, u"f"_s}}},
        {"a comma only inside quotes", "\"a,b\";c\n", u';', {{u"a,b"_s, u"c"_s}}},
        {"both outside quotes", "a;b,c\n", u',', {{u"a;b"_s, u"c"_s}}},
        {"blank lines before the header", "\r\n\ntag;flow\n", u';', {{u"tag"_s, u"flow"_s}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const office::CsvText csv = office::readCsv(c.bytes);
        EXPECT_TRUE(csv.error.isEmpty());
        EXPECT_EQ(csv.separator, c.separator);
        QList<QStringList> records;
        for (const auto& r : csv.records)
            records << r.cells;
        EXPECT_EQ(records, c.records);
    }
}

// The schedules run on the bundled catalogue.
class BatchOnBundledCatalogue : public ::testing::Test {
protected:
    void SetUp() override
    {
        store::setAliasOverride(store::vozuvadaAlias(), paradoxcatalogue::bundledCatalogue());
    }
    void TearDown() override
    {
        store::clearAliasOverrides();
        fans::FanCatalogue::invalidate();
    }

    std::vector<office::BatchRow> run(const QByteArray& schedule, bool smoke = false)
    {
        std::vector<office::BatchRow> rows;
        office::runBatch(office::readSchedule(schedule), smoke, office::BatchCatalogue::fromStore(smoke),
            [&rows](const office::BatchRow& row) {
                rows.push_back(row);
                return true;
            });
        return rows;
    }
};

TEST_F(BatchOnBundledCatalogue, BadRowsAreNamedByLineAndTheOthersRun)
{
    const struct {
        QByteArray row;
        QString message;
    } bad[] = {
        {"a,5000,,,,,,", u"столбец pressure не заполнен"_s},
        {"b,5000,5e,,,,,", u"столбец pressure: \"5e\" не число (дробная часть пишется через точку)"_s},
        {"c,\"5000,5\",500,,,,,", u"столбец flow: \"5000,5\" не число (дробная часть пишется через точку)"_s},
        {"d,5000,500,4,,,,",
            u"столбец range: \"4\" — диапазон подбора задаётся целым числом процентов от 5 до 30"_s},
        {"e,5000,500,,attic,,,", u"столбец group: \"attic\" — нужно duct, roof или pressurization"_s},
        {"f,5000,500,,roof,total,,",
            u"столбец pressure_kind: крышные вентиляторы подбираются по статическому давлению"_s},
        {"g,5000,500,,,,,НЕТ-ТАКОЙ", u"столбец series: серии \"НЕТ-ТАКОЙ\" нет в группе"_s},
        {"h,5000,500,,roof,,,ДЮНА", u"столбец series: серии \"ДЮНА\" нет в группе"_s},
        {"i,-5,500,,,,,", u"Количество подаваемого воздуха должено быть больше нуля!!!"_s},
        {"j,5000", u"2 ячеек вместо 8"_s},
    };
    QByteArray schedule = "tag,flow,pressure,range,group,pressure_kind,temperature,series\n";
    schedule += "good,5000,500,,,,,\n";
    for (const auto& b : bad)
        schedule += b.row + '\n';
    schedule += "good too,5000,500,,,,,ДЮНА;ВКК-СКАТ канальный\n";
    const auto rows = run(schedule);
    ASSERT_EQ(rows.size(), std::size(bad) + 2);
    EXPECT_FALSE(rows.front().fans.empty());
    EXPECT_TRUE(rows.front().messages.isEmpty());
    EXPECT_FALSE(rows.back().fans.empty());
    for (size_t i = 0; i < std::size(bad); ++i) {
        const office::BatchRow& row = rows[i + 1];
        SCOPED_TRACE(row.tag.toStdString());
        EXPECT_EQ(row.line, int(i + 3));
        EXPECT_TRUE(row.fans.empty());
        ASSERT_FALSE(row.messages.isEmpty());
        EXPECT_TRUE(row.messages.first().startsWith(bad[i].message))
            << row.messages.join(u" | "_s).toStdString();
    }
    for (const auto& f : rows.back().fans) {
        const QString series = f.fan.record->name;
        EXPECT_TRUE(series.startsWith(u"ДЮНА"_s) || series.startsWith(u"ВКК-СКАТ"_s)) << series.toStdString();
    }
}

TEST_F(BatchOnBundledCatalogue, SchedulesThatCannotBeReadAtAll)
{
    const struct {
        QByteArray schedule;
        QString message;
    } cases[] = {
        {"", u"в файле нет строки заголовка"_s},
        {"tag,flow,presure\n", u"строка 1: неизвестный столбец \"presure\""_s},
        {"tag,flow\n", u"строка 1: нет столбца \"pressure\""_s},
        {"tag,flow,pressure,flow\n", u"строка 1: столбец \"flow\" повторяется"_s},
        {"tag,flow,pressure\n\"a,1,2\n", u"строка 2: кавычка не закрыта"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.schedule.toStdString());
        try {
            run(c.schedule);
            ADD_FAILURE() << "read";
        } catch (const office::ScheduleError& error) {
            EXPECT_TRUE(error.message().startsWith(c.message)) << error.what();
        }
    }
}

TEST_F(BatchOnBundledCatalogue, SmokeRowsNeedTheGasTemperature)
{
    const auto rows = run("tag,flow,pressure,temperature,group,pressure_kind\n"
                          "ДУ1,15000,400,400,radial,\n"
                          "ДУ2,15000,400,,radial,\n"
                          "ДУ3,15000,400,400,radial,static\n"
                          "ДУ4,15000,400,400,duct,\n",
        true);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_FALSE(rows[0].fans.empty());
    EXPECT_EQ(rows[1].messages, QStringList {u"столбец temperature не заполнен"_s});
    EXPECT_EQ(rows[2].messages,
        QStringList {
            u"столбец pressure_kind: радиальные и осевые вентиляторы подбираются по полному давлению"_s});
    EXPECT_EQ(rows[3].messages,
        QStringList {u"столбец group: \"duct\" — для дымоудаления нужно roof или radial"_s});
}

// Each row goes to the sink as soon as it is selected, in schedule order, and a sink that cannot take a row
// (its output failed) stops the run there.
TEST_F(BatchOnBundledCatalogue, RowsReachTheSinkOneByOneAndTheSinkCanStopTheRun)
{
    const office::Schedule schedule
        = office::readSchedule("tag,flow,pressure\nП1,5000,500\nП2,x,500\n\nП3,3500,250\n");
    const office::BatchCatalogue catalogue = office::BatchCatalogue::fromStore(false);
    std::vector<int> lines;
    const auto take = [&lines](size_t upTo) {
        return [&lines, upTo](const office::BatchRow& row) {
            lines.push_back(row.line);
            return lines.size() < upTo;
        };
    };
    EXPECT_TRUE(office::runBatch(schedule, false, catalogue, take(4)));
    EXPECT_EQ(lines, (std::vector<int> {2, 3, 5}));
    lines.clear();
    EXPECT_FALSE(office::runBatch(schedule, false, catalogue, take(1)));
    EXPECT_EQ(lines, std::vector<int> {2});
}

// In a ";"-separated file (the Russian locale) a fraction is written with ",".
TEST_F(BatchOnBundledCatalogue, SemicolonFilesTakeTheDecimalComma)
{
    const auto rows = run("tag;flow;pressure;temperature\nД1;15000,5;400;400,5\nД2;15000;1 200;400\n", true);
    ASSERT_EQ(rows.size(), 2u);
    ASSERT_TRUE(rows[0].smokeRequest);
    EXPECT_EQ(rows[0].smokeRequest->flow, 15000.5);
    EXPECT_EQ(rows[0].smokeRequest->temperature, 400.5);
    EXPECT_EQ(rows[1].messages,
        QStringList {
            u"столбец pressure: \"1 200\" не число (дробная часть пишется через запятую или точку)"_s});
}

QJsonObject runJson(const QStringList& arguments, int expectedExit)
{
    const auto run = runCli(arguments);
    EXPECT_EQ(run.exitCode, expectedExit) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out).object();
}

// The example of the user documentation: every good row lists what zfn-cli select lists for its duty,
// ranked, and the bad row is named by its line.
TEST(ScheduleExample, ListsWhatTheSelectionListsRanked)
{
    const QJsonArray rows = runJson(
        {u"select-batch"_s, u"--schedule"_s, testSourcePath(u"../docs/schedule-example.csv"_s), u"--json"_s},
        1)
                                .value(u"rows"_s)
                                .toArray();
    ASSERT_EQ(rows.size(), 8);
    const QList<QStringList> selections {
        {u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s},
        {u"--flow"_s, u"3500"_s, u"--pressure"_s, u"250"_s, u"--range"_s, u"20"_s},
        {u"--flow"_s, u"2500"_s, u"--pressure"_s, u"400"_s, u"--series"_s, u"ДЮНА"_s},
        {u"--flow"_s, u"12000"_s, u"--pressure"_s, u"300"_s, u"--group"_s, u"roof"_s},
        {u"--flow"_s, u"20000"_s, u"--pressure"_s, u"600"_s, u"--group"_s, u"pressurization"_s,
            u"--pressure-kind"_s, u"static"_s},
    };
    for (int r = 0; r < selections.size(); ++r) {
        const QJsonObject row = rows[r].toObject();
        SCOPED_TRACE(row.value(u"tag"_s).toString().toStdString());
        EXPECT_EQ(row.value(u"line"_s).toInt(), r + 2);
        EXPECT_TRUE(row.value(u"messages"_s).toArray().isEmpty());
        QJsonArray listed
            = runJson(QStringList {u"select"_s, u"--json"_s} + selections[r], 0).value(u"fans"_s).toArray();
        QJsonArray ranked = row.value(u"fans"_s).toArray();
        ASSERT_EQ(ranked.size(), listed.size());
        ASSERT_FALSE(ranked.isEmpty());
        double lastDistance = 0;
        for (int i = 0; i < ranked.size(); ++i) {
            QJsonObject fan = ranked[i].toObject();
            EXPECT_EQ(fan.take(u"rank"_s).toInt(), i + 1);
            // The same fan as the list shows under its number, with the same values.
            QJsonObject same = listed[fan.value(u"number"_s).toInt() - 1].toObject();
            same.remove(u"curve"_s);
            EXPECT_EQ(fan, same);
            // Nearest first as the list shows the flows, in whole m³/h.
            const double distance = std::abs(fan.value(u"flow"_s).toDouble() - selections[r][1].toDouble());
            EXPECT_GE(distance, lastDistance);
            lastDistance = distance;
            const double efficiency = fan.value(u"efficiency"_s).toDouble();
            EXPECT_GT(efficiency, 0);
            EXPECT_LT(efficiency, 1);
        }
    }
    const QJsonObject bad = rows[5].toObject();
    EXPECT_EQ(bad.value(u"tag"_s).toString(), u"В2"_s);
    EXPECT_EQ(bad.value(u"line"_s).toInt(), 7);
    EXPECT_EQ(bad.value(u"messages"_s).toArray(),
        QJsonArray {u"столбец pressure: \"1 200\" не число (дробная часть пишется через точку)"_s});
    EXPECT_FALSE(rows[6].toObject().value(u"fans"_s).toArray().isEmpty());
    const QJsonObject nothing = rows[7].toObject();
    EXPECT_TRUE(nothing.value(u"fans"_s).toArray().isEmpty());
    EXPECT_EQ(nothing.value(u"messages"_s).toArray().first().toString(), fans::messages::nothingAccepted());
}

TEST(ScheduleExample, CsvFileHasALinePerFanAndTheBadRowsWithTheirMessages)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"fans.csv"_s);
    const auto run = runCli({u"select-batch"_s, u"--smoke"_s, u"--schedule"_s,
        testSourcePath(u"../docs/schedule-smoke-example.csv"_s), u"--out"_s, out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QString::fromUtf8(run.out), u"строка 4 (ДУ3): столбец temperature не заполнен\n"_s);
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const office::CsvText csv = office::readCsv(file.readAll());
    ASSERT_GT(csv.records.size(), 3u);
    EXPECT_EQ(csv.records[0].cells.join(u','),
        u"tag,line,rank,number,designation,flow,pressure,power,deviation,efficiency,speed_for_duty,message"_s);
    QMap<QString, int> fansOf;
    for (size_t i = 1; i < csv.records.size(); ++i) {
        const QStringList& cells = csv.records[i].cells;
        ASSERT_EQ(cells.size(), 12);
        if (!cells[2].isEmpty())
            ++fansOf[cells[0]];
        else
            EXPECT_EQ(cells.mid(0, 2) + cells.mid(11),
                (QStringList {u"ДУ3"_s, u"4"_s, u"столбец temperature не заполнен"_s}));
    }
    EXPECT_GT(fansOf.value(u"ДУ1"_s), 0);
    EXPECT_GT(fansOf.value(u"ДУ2"_s), 0);
}

} // namespace

namespace {

QString fixture(const QString& name)
{
    return testSourcePath(u"office/fixtures/"_s + name);
}

} // namespace

// A schedule saved by a spreadsheet here: code page 1251, and in the Russian locale ";" between fields and
// "," in fractions. Both files hold the same duties and give the same rows, tags included.
TEST(ScheduleFromASpreadsheet, CodePage1251WithCommasOrSemicolons)
{
    const QJsonArray commas
        = runJson({u"select-batch"_s, u"--schedule"_s, fixture(u"schedule-cp1251.csv"_s), u"--json"_s}, 0)
              .value(u"rows"_s)
              .toArray();
    QStringList tags;
    for (const QJsonValue& row : commas) {
        tags << row[u"tag"_s].toString();
        EXPECT_FALSE(row[u"fans"_s].toArray().isEmpty()) << row[u"tag"_s].toString().toStdString();
    }
    EXPECT_EQ(tags, (QStringList {u"П1"_s, u"В1"_s, u"ВД1"_s, u"П2"_s}));
    const QJsonArray semicolons = runJson(
        {u"select-batch"_s, u"--schedule"_s, fixture(u"schedule-cp1251-semicolon.csv"_s), u"--json"_s}, 0)
                                      .value(u"rows"_s)
                                      .toArray();
    EXPECT_EQ(semicolons, commas);
}

// The rows are written as they are selected; what comes out is still the one JSON document printJson would
// print for all of them (Qt's indented form), and the same CSV on stdout and in --out.
TEST(ScheduleExample, RowsWrittenOneByOneMakeTheWholeDocument)
{
    QTemporaryDir dir;
    const QString odd = dir.filePath(u"odd.csv"_s);
    QFile oddFile(odd);
    ASSERT_TRUE(oddFile.open(QIODevice::WriteOnly));
    oddFile.write("tag,flow,pressure\n\"П1\n\"\"левый\"\"\",5000,500\nП2,x,500\n");
    oddFile.close();
    const QString empty = dir.filePath(u"empty.csv"_s);
    QFile emptyFile(empty);
    ASSERT_TRUE(emptyFile.open(QIODevice::WriteOnly));
    emptyFile.write("tag,flow,pressure\n");
    emptyFile.close();
    for (const QString& schedule : {testSourcePath(u"../docs/schedule-example.csv"_s), odd, empty}) {
        SCOPED_TRACE(schedule.toStdString());
        const auto json = runCli({u"select-batch"_s, u"--schedule"_s, schedule, u"--json"_s});
        const QJsonDocument document = QJsonDocument::fromJson(json.out);
        ASSERT_TRUE(document.isObject()) << json.out.toStdString();
        EXPECT_EQ(json.out, document.toJson(QJsonDocument::Indented));

        const auto csv = runCli({u"select-batch"_s, u"--schedule"_s, schedule});
        const QString out = dir.filePath(u"fans.csv"_s);
        const auto saved = runCli({u"select-batch"_s, u"--schedule"_s, schedule, u"--out"_s, out});
        EXPECT_EQ(csv.exitCode, json.exitCode);
        EXPECT_EQ(saved.exitCode, json.exitCode);
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), csv.out);
        EXPECT_EQ(csv.out.count('\n') > 1, document[u"rows"_s].toArray().size() > 0);
    }
}

// --out is written whole or not at all: a write that fails part way (here past a file-size limit, as on a
// full disk) keeps the old file byte for byte and says why.
TEST(ScheduleExample, OutThatCannotBeWrittenKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString out = dir.filePath(u"fans.csv"_s);
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old\n");
    old.close();
    const QStringList arguments {u"select-batch"_s, u"--schedule"_s,
        testSourcePath(u"../docs/schedule-example.csv"_s), u"--out"_s, out};
    // zfn-cli inherits the limit and the ignored signal: its writes past 1 KiB fail with "File too large"
    // (said in Russian).
    rlimit unlimited {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &unlimited), 0);
    const rlimit limit {1024, unlimited.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto run = runCli(arguments);
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, handler);

    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(
        QString::fromUtf8(run.err).startsWith(u"Не удалось записать "_s + out + u": Файл слишком велик"_s))
        << run.err.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {u"fans.csv"_s});
}
