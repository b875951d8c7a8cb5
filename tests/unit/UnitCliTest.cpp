#include "support/CliRunner.h"
#include "support/PdfText.h"
#include "unit/UnitProjectFile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using CliRun = clirunner::JsonRun;

CliRun cli(const QStringList& arguments)
{
    return clirunner::runCliJson(arguments + QStringList {u"--json"_s});
}

const QString fixtureProject = QStringLiteral(ZFN_TEST_SOURCE_DIR "/unit/fixtures/comma.pritochprj");

// The fixture's project changed as `change` says, saved into `dir`.
template <typename Change> QString projectFile(const QTemporaryDir& dir, const QString& name, Change change)
{
    unit::UnitProject p = unit::loadUnitProject(fixtureProject, u'.').project.value();
    change(p);
    const QString path = dir.filePath(name + u".pritochprj"_s);
    EXPECT_TRUE(unit::saveUnitProject(path, p, u'.'));
    return path;
}

QStringList messagesOf(const CliRun& run)
{
    QStringList texts;
    for (const QJsonValue& m : run.json[u"messages"_s].toArray())
        texts << m.toString();
    return texts;
}

QStringList keys(const QJsonObject& o)
{
    QStringList k = o.keys();
    k.sort();
    return k;
}

} // namespace

TEST(UnitCli, CoolerWorkedExampleOfBothSeries)
{
    const CliRun freon = cli({u"cooler"_s, u"--series"_s, u"freon"_s, u"--flow"_s, u"3500"_s, u"--t1"_s,
        u"35"_s, u"--t2"_s, u"18"_s, u"--humidity"_s, u"80"_s});
    EXPECT_EQ(freon.exitCode, 0);
    const QJsonObject& f = freon.json;
    EXPECT_EQ(keys(f),
        (QStringList {u"air_loss"_s, u"air_speed"_s, u"area"_s, u"condensing_unit"_s, u"latent"_s,
            u"messages"_s, u"model"_s, u"section"_s, u"sensible"_s, u"size_text"_s, u"total"_s, u"type"_s,
            u"water_flow"_s, u"water_loss"_s}));
    EXPECT_EQ(f[u"type"_s].toString(), u"ХРСБ"_s);
    EXPECT_EQ(f[u"section"_s].toInt(), 8);
    EXPECT_EQ(f[u"model"_s].toString(), u"ХРСБ-80x50"_s);
    EXPECT_NEAR(f[u"total"_s].toDouble(), 41.48, 0.005);
    EXPECT_NEAR(f[u"air_loss"_s].toDouble(), 55.4, 0.05);
    EXPECT_EQ(f[u"condensing_unit"_s].toString(), u"KKB-011"_s);
    EXPECT_TRUE(f[u"water_flow"_s].isNull() && f[u"water_loss"_s].isNull());
    // Numbers are not rounded.
    EXPECT_NE(f[u"total"_s].toDouble(), 41.48);

    const CliRun water = cli({u"cooler"_s, u"--series"_s, u"water"_s, u"--flow"_s, u"3500"_s, u"--t1"_s,
        u"35"_s, u"--t2"_s, u"18"_s, u"--humidity"_s, u"80"_s, u"--section"_s, u"9"_s});
    EXPECT_EQ(water.json[u"size_text"_s].toString(), u"90x50"_s);
    EXPECT_DOUBLE_EQ(water.json[u"area"_s].toDouble(), 0.45);
    EXPECT_GT(water.json[u"water_loss"_s].toDouble(), 0);

    const CliRun refused = cli({u"cooler"_s, u"--t1"_s, u"18"_s, u"--t2"_s, u"20"_s});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.json[u"total"_s].isNull());
    EXPECT_EQ(refused.json[u"messages"_s].toArray().size(), 1);
}

TEST(UnitCli, HeatersOfTheBundledCatalogue)
{
    const CliRun water = cli({u"heater"_s, u"--kind"_s, u"water"_s, u"--type"_s, u"ВНВ 2 ряда"_s, u"--flow"_s,
        u"2000"_s, u"--t1"_s, u"-26"_s, u"--t2"_s, u"21"_s, u"--tj1"_s, u"80"_s, u"--tj2"_s, u"40"_s,
        u"--vmax"_s, u"4"_s});
    EXPECT_EQ(water.exitCode, 0);
    const QJsonObject& w = water.json;
    EXPECT_EQ(keys(w),
        (QStringList {u"air_loss"_s, u"air_out"_s, u"found"_s, u"heat_output"_s, u"kA"_s, u"messages"_s,
            u"model"_s, u"required_area"_s, u"section"_s, u"water_flow"_s, u"water_loss"_s, u"water_out"_s}));
    EXPECT_TRUE(w[u"found"_s].toBool());
    const double required = 47 * 2000 / 2956.0 / (80 + 26);
    EXPECT_GE(w[u"kA"_s].toDouble(), required - 0.001);
    EXPECT_NEAR(w[u"water_flow"_s].toDouble(), 870 * 47 * 2000 / 2956.0 / 40, 1e-9);
    EXPECT_NEAR(w[u"required_area"_s].toDouble(), 2000 / 3600.0 / 4, 1e-12);
    EXPECT_GE(w[u"air_out"_s].toDouble(), 21 - 0.5);
    EXPECT_GE(w[u"section"_s].toInt(), 4); // 500×300 is the first section of 0.139 m² or more

    const CliRun electric
        = cli({u"heater"_s, u"--kind"_s, u"electric"_s, u"--type"_s, u"ЭНВ 380 В"_s, u"--flow"_s, u"3500"_s,
            u"--t1"_s, u"-26"_s, u"--t2"_s, u"21"_s, u"--vmax"_s, u"3"_s, u"--cooler-area"_s, u"0.40"_s});
    EXPECT_EQ(electric.exitCode, 0);
    EXPECT_GE(electric.json[u"section"_s].toInt(), 8);
    EXPECT_TRUE(electric.json[u"kA"_s].isNull());
    EXPECT_TRUE(electric.json[u"water_flow"_s].isNull());
    EXPECT_GT(electric.json[u"heat_output"_s].toDouble(), 40);

    const CliRun cold = cli({u"heater"_s, u"--kind"_s, u"water"_s, u"--type"_s, u"ВНВ 2 ряда"_s, u"--t1"_s,
        u"10"_s, u"--t2"_s, u"30"_s, u"--tj1"_s, u"10"_s, u"--tj2"_s, u"5"_s});
    EXPECT_EQ(cold.exitCode, 1);
    EXPECT_TRUE(cold.json[u"kA"_s].isNull());
    EXPECT_TRUE(
        cold.json[u"messages"_s].toArray().first().toString().startsWith(u"Температура горячей воды"_s));

    const CliRun unknown = cli({u"heater"_s, u"--kind"_s, u"water"_s, u"--type"_s, u"Нет такого"_s});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_FALSE(unknown.json[u"found"_s].toBool());
    EXPECT_TRUE(unknown.json[u"model"_s].isNull());

    EXPECT_EQ(cli({u"heater"_s, u"--kind"_s, u"gas"_s, u"--type"_s, u"x"_s}).exitCode, 2);
}

TEST(UnitCli, ProjectOfEachKind)
{
    const QString project = QStringLiteral(ZFN_TEST_SOURCE_DIR "/unit/fixtures/comma.pritochprj");
    for (int kind = 0; kind <= 3; ++kind) {
        const CliRun run = cli({u"unit"_s, u"--project"_s, project, u"--kind"_s, QString::number(kind)});
        EXPECT_EQ(run.exitCode, 0) << kind;
        const QJsonObject& u = run.json;
        EXPECT_EQ(keys(u),
            (QStringList {u"cooler"_s, u"elements"_s, u"heater_column"_s, u"heaters"_s, u"kind"_s,
                u"messages"_s, u"section"_s, u"section_text"_s, u"total_length"_s, u"total_pressure"_s}))
            << kind;
        const bool heater = kind == 1 || kind == 2;
        const bool cooler = kind == 1 || kind == 3;
        EXPECT_EQ(u[u"heaters"_s].toArray().size(), heater ? 3 : 0)
            << kind; // two water types and one electric
        EXPECT_EQ(u[u"heater_column"_s].isNull(), !heater) << kind;
        EXPECT_EQ(u[u"cooler"_s].isNull(), !cooler) << kind;
        EXPECT_EQ(u[u"section_text"_s].toString(), u"800*500"_s) << kind;
        // The totals are the free pressure and every element in the duct, the condensing unit aside.
        double length = 0;
        double pressure = 150.5;
        for (const QJsonValue& e : u[u"elements"_s].toArray()) {
            const QJsonObject o = e.toObject();
            length += o[u"length"_s].toDouble() * o[u"count"_s].toInt();
            pressure += o[u"loss"_s].toDouble() * o[u"count"_s].toInt();
        }
        EXPECT_NEAR(u[u"total_length"_s].toDouble(), length, 1e-9) << kind;
        EXPECT_NEAR(u[u"total_pressure"_s].toDouble(), pressure, 1e-9) << kind;
        // Ticked: two valves, the third filter, the first silencer and connector; no louvre.
        EXPECT_EQ(u[u"elements"_s].toArray().size(), 5 + (heater ? 1 : 0) + (cooler ? 2 : 0)) << kind;
    }
    const CliRun shortFile = cli({u"unit"_s, u"--project"_s,
        QStringLiteral(ZFN_TEST_SOURCE_DIR "/unit/fixtures/short.pritochprj"), u"--kind"_s, u"1"_s});
    EXPECT_EQ(shortFile.exitCode, 1);
    EXPECT_EQ(shortFile.json[u"messages"_s].toArray().size(), 2);
    EXPECT_TRUE(shortFile.json[u"total_pressure"_s].isNull());
    EXPECT_EQ(cli({u"unit"_s, u"--project"_s, project, u"--kind"_s, u"4"_s}).exitCode, 2);
}

TEST(UnitCli, FanOfTheUnitAndItsArrangement)
{
    const QString project = QStringLiteral(ZFN_TEST_SOURCE_DIR "/unit/fixtures/comma.pritochprj");
    const QStringList unitArgs {u"unit"_s, u"--project"_s, project, u"--kind"_s, u"1"_s, u"--select-fan"_s};
    const CliRun run = cli(unitArgs);
    ASSERT_EQ(run.exitCode, 0) << QJsonDocument(run.json).toJson().toStdString();
    const QJsonObject selection = run.json[u"fan_selection"_s].toObject();
    EXPECT_EQ(selection[u"section"_s].toString(), u"800*500"_s);
    EXPECT_EQ(selection[u"pressure"_s].toDouble(), std::nearbyint(run.json[u"total_pressure"_s].toDouble()));
    const QJsonArray fans = selection[u"fans"_s].toArray();
    ASSERT_FALSE(fans.isEmpty());
    for (const QJsonValue& fan : fans)
        EXPECT_EQ(fan[u"duct"_s].toString(), u"800*500"_s);
    EXPECT_FALSE(run.json.contains(u"arrangement"_s));

    const QString designation = fans.last()[u"designation"_s].toString();
    const CliRun arranged = cli(unitArgs + QStringList {u"--fan"_s, designation});
    ASSERT_EQ(arranged.exitCode, 0);
    const QJsonObject a = arranged.json[u"arrangement"_s].toObject();
    EXPECT_EQ(a[u"fan"_s].toString(), designation);
    EXPECT_EQ(a[u"condensing_unit"_s].toString().left(4), u"KKB-"_s);
    // Every piece once per count in the default order, the fan among them; the condensing unit has none.
    const QJsonArray pieces = a[u"pieces"_s].toArray();
    int length = 0;
    int fanPieces = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QJsonObject p = pieces[i].toObject();
        EXPECT_EQ(p[u"position"_s].toInt(), i + 1);
        EXPECT_NE(p[u"name"_s].toString(), u"ККБ"_s);
        fanPieces += p[u"name"_s].toString() == u"Вентилятор"_s;
        length += p[u"length"_s].toInt();
    }
    EXPECT_EQ(fanPieces, 1);
    EXPECT_EQ(pieces.first()[u"name"_s].toString(), u"Клапан"_s); // a check valve comes first
    EXPECT_EQ(a[u"total_length"_s].toInt(), length);
    EXPECT_NEAR(a[u"unit_length"_s].toDouble(), length, 0.5);

    const CliRun unknownFan = cli(unitArgs + QStringList {u"--fan"_s, u"нет такого"_s});
    EXPECT_EQ(unknownFan.exitCode, 1);
    EXPECT_EQ(unknownFan.json[u"messages"_s].toArray().size(), 1);
    EXPECT_EQ(cli({u"unit"_s, u"--project"_s, project, u"--fan"_s, designation}).exitCode, 2);
}

TEST(UnitCli, PrintedUnitAsPdf)
{
    const QString project = QStringLiteral(ZFN_TEST_SOURCE_DIR "/unit/fixtures/comma.pritochprj");
    const QStringList unitArgs {u"unit"_s, u"--project"_s, project, u"--kind"_s, u"1"_s, u"--select-fan"_s};
    const QString designation
        = cli(unitArgs).json[u"fan_selection"_s][u"fans"_s].toArray().first()[u"designation"_s].toString();
    ASSERT_FALSE(designation.isEmpty());
    QTemporaryDir dir;
    const QString pdf = dir.filePath(u"Приточка П1.pdf"_s);
    const CliRun printed = cli(unitArgs + QStringList {u"--fan"_s, designation, u"--report-pdf"_s, pdf});
    ASSERT_EQ(printed.exitCode, 0) << QJsonDocument(printed.json).toJson().toStdString();
    const QJsonObject arrangement = printed.json[u"arrangement"_s].toObject();

    // The inputs and the arranged pieces on the first page, the condensing unit's data on the last.
    const QString first = pdfPageText(pdf, 1);
    EXPECT_TRUE(first.contains(u"Модульная система: Приточка П1 корпус 2"_s)) << first.toStdString();
    EXPECT_TRUE(first.contains(u"%1 мм"_s.arg(arrangement[u"total_length"_s].toInt())));
    for (const QJsonValue& piece : arrangement[u"pieces"_s].toArray())
        EXPECT_TRUE(first.contains(piece[u"model"_s].toString()))
            << piece[u"model"_s].toString().toStdString();
    // The rows of the piece table are numbered 1, 2, 3, ...: a row of several pieces stores the place of
    // its last piece and the condensing unit one of its own, which leave gaps in the stored places.
    QStringList names {u"ККБ"_s};
    for (const QJsonValue& piece : arrangement[u"pieces"_s].toArray())
        names << piece[u"name"_s].toString();
    const QRegularExpression numbered(u"^\\s*(\\d+)\\s+(\\S.*)"_s);
    QList<int> numbers;
    for (const QString& line : first.split(u'\n')) {
        const QRegularExpressionMatch match = numbered.match(line);
        const QString rest = match.captured(2);
        if (match.hasMatch() && std::any_of(names.begin(), names.end(), [&rest](const QString& name) {
                return rest.startsWith(name);
            }))
            numbers << match.captured(1).toInt();
    }
    ASSERT_GE(numbers.size(), 3) << first.toStdString();
    for (qsizetype i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(numbers[i], i + 1) << first.toStdString();
    QString last;
    for (int page = 2; page < 10 && !pdfPageText(pdf, page).isEmpty(); ++page)
        last = pdfPageText(pdf, page);
    EXPECT_TRUE((last.isEmpty() ? first : last).contains(u"Параметры компрессорно-конденсаторного блока:"_s));

    // A file that cannot be written is reported and fails the run; the printout needs the chosen fan.
    const QString nowhere = dir.filePath(u"нет/такой/папки.pdf"_s);
    const CliRun unwritten
        = cli(unitArgs + QStringList {u"--fan"_s, designation, u"--report-pdf"_s, nowhere});
    EXPECT_EQ(unwritten.exitCode, 1);
    EXPECT_TRUE(unwritten.json[u"messages"_s].toArray().first().toString().contains(u"PDF"_s));
    EXPECT_FALSE(QFileInfo::exists(nowhere));
    EXPECT_EQ(cli(unitArgs + QStringList {u"--report-pdf"_s, pdf}).exitCode, 2);
}

// The water heater's output is held to what its smaller capacity rate takes up: here the air's, so the air
// leaves at the water's inlet temperature and not above it.
TEST(UnitCli, HeaterOutputCappedAndShortfallSaid)
{
    const QStringList water {u"heater"_s, u"--kind"_s, u"water"_s, u"--type"_s, u"ВНВ 4 ряда"_s, u"--t1"_s,
        u"-26"_s, u"--t2"_s, u"21"_s, u"--tj1"_s, u"80"_s, u"--tj2"_s, u"40"_s, u"--vmax"_s, u"4"_s,
        u"--cooler-area"_s, u"0.5"_s};
    for (const char16_t* flow : {u"500", u"1000"}) {
        const CliRun capped = cli(water + QStringList {u"--flow"_s, QString::fromUtf16(flow)});
        ASSERT_EQ(capped.exitCode, 0);
        EXPECT_DOUBLE_EQ(capped.json[u"air_out"_s].toDouble(), 80); // was 107.1 and 87.5 °C
        EXPECT_GE(capped.json[u"water_out"_s].toDouble(), -26);
        const double f = QString::fromUtf16(flow).toDouble() / 2956;
        EXPECT_NEAR(capped.json[u"heat_output"_s].toDouble(), f * (80 + 26), 1e-9);
    }

    // The 5 kW heaters of "ЭНВ 220 В" cannot give 55 kW: the model stands and the shortfall is said.
    const CliRun small = cli({u"heater"_s, u"--kind"_s, u"electric"_s, u"--type"_s, u"ЭНВ 220 В"_s});
    EXPECT_EQ(small.exitCode, 0);
    EXPECT_EQ(small.json[u"heat_output"_s].toDouble(), 5);
    ASSERT_FALSE(messagesOf(small).isEmpty());
    EXPECT_TRUE(messagesOf(small).last().startsWith(u"Тепловая мощность выбранного теплообменника"_s));
    EXPECT_TRUE(messagesOf(small).last().contains(u"(5 кВт) меньше требуемой (54.83 кВт)"_s));
}

TEST(UnitCli, InputsNoFormulaGivesAreRefused)
{
    const QString finite
        = u"Результат расчета выходит за пределы допустимых значений?! Уточните исходные данные."_s;
    const struct {
        const char* what;
        QStringList arguments;
        QString message;
    } cases[] = {
        {"heater: air far below anything",
            {u"heater"_s, u"--kind"_s, u"water"_s, u"--type"_s, u"ВНВ 2 ряда"_s, u"--t1"_s, u"-1e308"_s},
            finite},
        {"heater: speed above the box",
            {u"heater"_s, u"--kind"_s, u"electric"_s, u"--type"_s, u"ЭНВ 380 В"_s, u"--vmax"_s, u"16"_s},
            u"Максимально возможная скорость воздуха не может быть больше 15 м/с!!!"_s},
        {"cooler: humidity above 100 %", {u"cooler"_s, u"--humidity"_s, u"150"_s},
            u"Относительная влажность воздуха должна быть от 0 до 100 %!!!"_s},
        {"cooler: humidity below 0 %", {u"cooler"_s, u"--series"_s, u"water"_s, u"--humidity"_s, u"-1"_s},
            u"Относительная влажность воздуха должна быть от 0 до 100 %!!!"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(messagesOf(run), QStringList {c.message});
        for (const char16_t* number : {u"heat_output", u"air_out", u"total"})
            EXPECT_FALSE(run.json[QString::fromUtf16(number)].isDouble())
                << QString::fromUtf16(number).toStdString();
    }
    EXPECT_FALSE(cli(cases[0].arguments).json[u"found"_s].toBool());
}

TEST(UnitCli, ProjectRefusalsAndNotesAreTheWindows)
{
    QTemporaryDir dir;
    const QString humid = projectFile(dir, u"humid"_s, [](unit::UnitProject& p) { p.humidity = u"150"_s; });
    const QString badNumber = projectFile(dir, u"bad"_s, [](unit::UnitProject& p) { p.airIn = u"-26..5"_s; });
    const struct {
        const char* what;
        QString project;
        int kind;
        int exitCode;
        QStringList messageStarts;
    } cases[] = {
        {"humidity above 100 % with a cooler", humid, 3, 1,
            {u"Относительная влажность воздуха должна быть от 0 до 100 %!!!"_s}},
        {"humidity not read without a cooler", humid, 2, 0, {}},
        {"a number error and its two hints", badNumber, 2, 1,
            {u"Ошибочная запись числа: -26..5"_s, u" В десятичной записи"_s, u" Разделитель"_s}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const CliRun run = cli({u"unit"_s, u"--project"_s, c.project, u"--kind"_s, QString::number(c.kind)});
        EXPECT_EQ(run.exitCode, c.exitCode);
        const QStringList messages = messagesOf(run);
        ASSERT_EQ(messages.size(), c.messageStarts.size()) << messages.join(u'\n').toStdString();
        for (qsizetype i = 0; i < messages.size(); ++i)
            EXPECT_TRUE(messages[i].startsWith(c.messageStarts[i])) << messages[i].toStdString();
    }

    // The 5 kW electric heater chosen for the 55 kW duty: the unit stands, the shortfall is said.
    const QString small = projectFile(dir, u"small"_s, [](unit::UnitProject& p) {
        p.waterHeaterTicks.clear();
        p.electricHeaterTicks = u"0;"_s; // "ЭНВ 220 В"
        p.heaterColumn = 1;
        p.maxSpeed = u"4"_s;
        p.airIn = u"-26"_s;
        p.flow = u"3500"_s;
    });
    const CliRun shortHeater = cli({u"unit"_s, u"--project"_s, small, u"--kind"_s, u"2"_s});
    EXPECT_EQ(shortHeater.exitCode, 0);
    ASSERT_EQ(messagesOf(shortHeater).size(), 1);
    EXPECT_TRUE(messagesOf(shortHeater).first().startsWith(u"Тепловая мощность выбранного теплообменника"_s));

    // Without heating and cooling, free pressure and elements the fan would get 0 Pa: no run.
    const QString empty = projectFile(dir, u"empty"_s, [](unit::UnitProject& p) {
        p.freePressure = u"0"_s;
        p.valveTicks = p.filterTicks = p.silencerTicks = p.louvreTicks = p.connectorTicks = QString();
    });
    const CliRun noDuty = cli({u"unit"_s, u"--project"_s, empty, u"--kind"_s, u"0"_s, u"--select-fan"_s});
    EXPECT_EQ(noDuty.exitCode, 1);
    EXPECT_FALSE(noDuty.json.contains(u"fan_selection"_s));
    ASSERT_EQ(messagesOf(noDuty).size(), 1);
    EXPECT_TRUE(messagesOf(noDuty).first().startsWith(u"Суммарное сопротивление модульной системы"_s));
    EXPECT_EQ(noDuty.json[u"total_pressure"_s].toDouble(), 0);
}

// The piece counts the project keeps count in the totals; a project without them counts one of each.
TEST(UnitCli, StoredPieceCountsCount)
{
    QTemporaryDir dir;
    const QString counted = projectFile(dir, u"counted"_s, [](unit::UnitProject& p) {
        p.windowState = unit::UnitWindowState {{4}, {3}, 0, u"4"_s};
    });
    const CliRun one = cli({u"unit"_s, u"--project"_s, fixtureProject, u"--kind"_s, u"1"_s});
    const CliRun more = cli({u"unit"_s, u"--project"_s, counted, u"--kind"_s, u"1"_s});
    ASSERT_EQ(one.exitCode, 0);
    ASSERT_EQ(more.exitCode, 0);
    double silencerLength = 0, silencerLoss = 0, connectorLength = 0;
    for (const QJsonValue& e : more.json[u"elements"_s].toArray()) {
        const QJsonObject o = e.toObject();
        if (o[u"name"_s].toString() == u"Глушитель"_s) {
            EXPECT_EQ(o[u"count"_s].toInt(), 4);
            silencerLength = o[u"length"_s].toDouble();
            silencerLoss = o[u"loss"_s].toDouble();
        }
        if (o[u"name"_s].toString() == u"Мягкая вставка"_s) {
            EXPECT_EQ(o[u"count"_s].toInt(), 3);
            connectorLength = o[u"length"_s].toDouble();
        }
    }
    ASSERT_GT(silencerLength, 0);
    EXPECT_NEAR(more.json[u"total_length"_s].toDouble(),
        one.json[u"total_length"_s].toDouble() + 3 * silencerLength + 2 * connectorLength, 1e-9);
    EXPECT_NEAR(more.json[u"total_pressure"_s].toDouble(),
        one.json[u"total_pressure"_s].toDouble() + 3 * silencerLoss, 1e-9);
}

// A project calculated on the page without heating and cooling is composed in the section chosen there,
// whatever the kind asked for.
TEST(UnitCli, ProjectOfThePageWithoutHeating)
{
    QTemporaryDir dir;
    const QString plain = projectFile(dir, u"plain"_s, [](unit::UnitProject& p) {
        p.windowState = unit::UnitWindowState {{}, {}, 4, u"6"_s};
    });
    for (int kind : {0, 1}) {
        const CliRun run = cli({u"unit"_s, u"--project"_s, plain, u"--kind"_s, QString::number(kind)});
        ASSERT_EQ(run.exitCode, 0) << kind;
        EXPECT_EQ(run.json[u"section"_s].toInt(), 4) << kind;
        EXPECT_TRUE(run.json[u"heaters"_s].toArray().isEmpty()) << kind;
        EXPECT_TRUE(run.json[u"cooler"_s].isNull()) << kind;
        double pressure = 150.5; // the fixture's free pressure and its ticked elements
        for (const QJsonValue& e : run.json[u"elements"_s].toArray())
            pressure += e[u"loss"_s].toDouble() * e[u"count"_s].toInt();
        EXPECT_NEAR(run.json[u"total_pressure"_s].toDouble(), pressure, 1e-9) << kind;
    }
    const QString tooFast = projectFile(dir, u"fast"_s, [](unit::UnitProject& p) {
        p.windowState = unit::UnitWindowState {{}, {}, 4, u"16"_s};
    });
    const CliRun refused = cli({u"unit"_s, u"--project"_s, tooFast, u"--kind"_s, u"0"_s});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(messagesOf(refused),
        QStringList {u"Максимально возможная скорость воздуха не может быть больше 15 м/с!"_s});
}
