#include "fans/SelectionMessages.h"
#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// zfn-cli select on the bundled catalogue.
namespace {

struct CliRun {
    int exitCode = -1;
    QJsonObject json;
};

CliRun select(const QStringList& arguments)
{
    const clirunner::CliRun done
        = clirunner::runCli(QStringList {u"select"_s} + arguments + QStringList {u"--json"_s});
    return {done.exitCode, QJsonDocument::fromJson(done.out).object()};
}

} // namespace

TEST(SelectionCli, DutyPointOnTheBundledCatalogue)
{
    const CliRun run = select({u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject band = run.json[u"band"_s].toObject();
    EXPECT_DOUBLE_EQ(band[u"qmin"_s].toDouble(), 4250);
    EXPECT_DOUBLE_EQ(band[u"qmax"_s].toDouble(), 5750);
    EXPECT_DOUBLE_EQ(band[u"k"_s].toDouble(), 0.00002);
    EXPECT_DOUBLE_EQ(band[u"pmax"_s].toDouble(), 661.25);
    EXPECT_TRUE(run.json[u"messages"_s].toArray().isEmpty());
    const QJsonArray fans = run.json[u"fans"_s].toArray();
    ASSERT_GE(fans.size(), 5);
    for (qsizetype i = 0; i < fans.size(); ++i) {
        const QJsonObject fan = fans[i].toObject();
        const QString name = fan[u"designation"_s].toString();
        EXPECT_EQ(fan[u"number"_s].toInt(), i + 1) << name.toStdString();
        const double flow = fan[u"flow"_s].toDouble();
        EXPECT_EQ(flow, std::round(flow)) << name.toStdString();
        EXPECT_GE(flow, 4250) << name.toStdString();
        EXPECT_LE(flow, 5750) << name.toStdString();
        // The operating point lies on the system curve.
        EXPECT_NEAR(fan[u"pressure"_s].toDouble(), 0.00002 * flow * flow, 0.00002 * 2 * flow * 0.5 + 0.5);
        EXPECT_TRUE(fan[u"power"_s].isDouble()) << name.toStdString();
        EXPECT_TRUE(fan[u"air_speed"_s].isDouble()) << name.toStdString();
        for (const QJsonValue& point : fan[u"curve"_s].toArray())
            EXPECT_LT(point.toArray()[1].toDouble(), 661.25) << name.toStdString();
    }
}

TEST(SelectionCli, NarrowedBySeriesAndDiameter)
{
    const CliRun run = select({u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s, u"--series"_s, u"ДЮНА"_s,
        u"--diameter"_s, u"450"_s});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonArray fans = run.json[u"fans"_s].toArray();
    ASSERT_FALSE(fans.isEmpty());
    for (const QJsonValue& fan : fans) {
        EXPECT_TRUE(fan[u"designation"_s].toString().startsWith(u"ДЮНА 4,5-"_s));
        EXPECT_EQ(fan[u"diameter"_s].toInt(), 450);
    }
}

TEST(SelectionCli, MessagesAndBadArguments)
{
    using namespace fans::messages;
    struct Case {
        QStringList arguments;
        int exitCode;
        QStringList messages; // checked when the exit code is 1
    };
    const QStringList duty {u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s};
    const Case cases[] = {
        {{u"--flow"_s, u"0"_s, u"--pressure"_s, u"500"_s}, 1,
            {u"Количество подаваемого воздуха должено быть больше нуля!!!"_s}},
        {{u"--flow"_s, u"50000"_s, u"--pressure"_s, u"500"_s}, 1, {nothingAccepted(), nothingAcceptedHint()}},
        {duty + QStringList {u"--range"_s, u"30"_s}, 1, {tooManyFans()}},
        {duty + QStringList {u"--diameter"_s, u"12345"_s}, 1,
            {u"Отметьте галочкой хотя бы один! диаметр колеса, чтобы произвести подбор?!"_s}},
        {{u"--flow"_s, u"x"_s, u"--pressure"_s, u"500"_s}, 2, {}},
        {{u"--pressure"_s, u"500"_s}, 2, {}},
        {duty + QStringList {u"--range"_s, u"40"_s}, 2, {}},
        {duty + QStringList {u"--poles"_s, u"3"_s}, 2, {}},
        {duty + QStringList {u"--group"_s, u"roof"_s, u"--pressure-kind"_s, u"total"_s}, 2, {}},
        {duty + QStringList {u"--series"_s, u"НЕТ-ТАКОЙ"_s}, 2, {}},
        {duty + QStringList {u"--bogus"_s, u"1"_s}, 2, {}},
    };
    for (const Case& c : cases) {
        const CliRun run = select(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        if (c.exitCode == 1) {
            EXPECT_EQ(run.json[u"messages"_s].toVariant().toStringList(), c.messages)
                << c.arguments.join(u' ').toStdString();
            EXPECT_TRUE(run.json[u"fans"_s].toArray().isEmpty());
        }
    }
}

namespace {

// A copy of the bundled catalogue without one column of one table.
QString catalogueWithout(const QTemporaryDir& dir, const QString& table, const QString& column)
{
    const QString bundled = QFileInfo(clirunner::cliProgram()).dir().filePath(u"vozuvada.sqlite"_s);
    const QString copy = dir.filePath(table + u"-"_s + column + u".sqlite"_s);
    EXPECT_TRUE(QFile::copy(bundled, copy)) << bundled.toStdString();
    const QString connection = u"without-"_s + column;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(copy);
        EXPECT_TRUE(db.open());
        QSqlQuery query(db);
        EXPECT_TRUE(query.exec(u"ALTER TABLE %1 DROP COLUMN \"%2\""_s.arg(table, column)))
            << query.lastError().text().toStdString();
    }
    QSqlDatabase::removeDatabase(connection);
    return copy;
}

} // namespace

// A catalogue that lacks a column the program reads is an error that names the table and the column;
// it is never read as zeros (which would list fans of every pole count for --poles 2).
TEST(SelectionCli, MissingCatalogueColumnEndsTheRunWithItsName)
{
    struct Case {
        QString table;
        QString column;
        QStringList arguments;
    };
    const Case cases[] = {
        {u"razmzfn"_s, u"Polus"_s,
            {u"select"_s, u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s, u"--poles"_s, u"2"_s}},
        {u"razmzfn"_s, u"57"_s, {u"select"_s, u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s}},
        {u"razmzfnsmk"_s, u"Stoikost"_s, {u"catalogue"_s, u"series"_s, u"--smoke"_s}},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const QString catalogue = catalogueWithout(dir, c.table, c.column);
        const clirunner::CliRun run = clirunner::runCli(
            c.arguments + QStringList {u"--json"_s, u"--alias"_s, u"VOzuvada="_s + catalogue});
        const QString expected = u"В таблице %1 нет столбца \"%2\""_s.arg(c.table, c.column);
        const QJsonObject json = QJsonDocument::fromJson(run.out).object();
        // select says it among its messages, the catalogue commands as their error.
        const QStringList said
            = json[u"messages"_s].toVariant().toStringList() + QStringList {json[u"error"_s].toString()};
        EXPECT_EQ(run.exitCode, 1) << c.column.toStdString() << ": " << run.out.constData();
        EXPECT_TRUE(said.contains(expected)) << run.out.constData();
        EXPECT_TRUE(json[u"fans"_s].toArray().isEmpty());
    }
}

// A value the selection commands cannot read is a bad argument naming the option and the value, never a
// run that ticks nothing and answers with the window's "tick at least one" message.
TEST(SelectionCli, UnreadableOptionValuesAreBadArguments)
{
    const QStringList select {u"select"_s, u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s};
    const QStringList smoke {
        u"select-smoke"_s, u"--flow"_s, u"10000"_s, u"--pressure"_s, u"400"_s, u"--temperature"_s, u"20"_s};
    const QStringList batch {
        u"select-batch"_s, u"--schedule"_s, testSourcePath(u"../docs/schedule-example.csv"_s)};
    const struct {
        QStringList arguments;
        QString error;
    } cases[] = {
        {select + QStringList {u"--diameter"_s, u"abc"_s}, u"--diameter: bad value abc"_s},
        {select + QStringList {u"--diameter"_s, u"450"_s, u"--diameter"_s, u"450мм"_s},
            u"--diameter: bad value 450мм"_s},
        {select + QStringList {u"--size"_s, u"abc"_s}, u"--size: bad value abc"_s},
        {select + QStringList {u"--size"_s, u"500x300"_s}, u"--size: bad value 500x300"_s},
        {{u"select"_s, u"--flow"_s, u"5000,5"_s, u"--pressure"_s, u"500"_s}, u"--flow: bad value 5000,5"_s},
        {select + QStringList {u"--range"_s, u"abc"_s}, u"--range: bad value abc"_s},
        {select + QStringList {u"--group"_s, u"abc"_s}, u"--group: bad value abc"_s},
        {select + QStringList {u"--pressure-kind"_s, u"abc"_s}, u"--pressure-kind: bad value abc"_s},
        {select + QStringList {u"--poles"_s, u"abc"_s}, u"--poles: bad value abc"_s},
        {select + QStringList {u"--phases"_s, u"abc"_s}, u"--phases: bad value abc"_s},
        {select + QStringList {u"--diameter"_s}, u"--diameter: no value given"_s},
        {smoke + QStringList {u"--diameter"_s, u"abc"_s}, u"--diameter: bad value abc"_s},
        {smoke + QStringList {u"--temperature"_s, u"abc"_s}, u"--temperature: bad value abc"_s},
        {smoke + QStringList {u"--fire"_s, u"abc"_s}, u"--fire: bad value abc"_s},
        {smoke + QStringList {u"--group"_s, u"abc"_s}, u"--group: bad value abc"_s},
        {smoke + QStringList {u"--poles"_s, u"abc"_s}, u"--poles: bad value abc"_s},
        {smoke + QStringList {u"--range"_s}, u"--range: no value given"_s},
        {batch + QStringList {u"--out"_s}, u"--out: no value given"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(u' ').toStdString());
        QStringList arguments = c.arguments;
        arguments.insert(1, u"--json"_s); // before an option left without its value
        const clirunner::CliRun run = clirunner::runCli(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(c.error)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    }
}
