#include "support/CliRunner.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {
using clirunner::CliRun;
using clirunner::runCli;

QString importFixture(const QTemporaryDir& dir, const QString& folder)
{
    const QString out = dir.filePath(folder + u".sqlite"_s);
    const CliRun run = runCli({u"catalogue"_s, u"import"_s, u"--from"_s,
        testSourcePath(u"fans/fixtures/"_s + folder), u"--out"_s, out});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    return out;
}
} // namespace

TEST(CatalogueCli, CheckFindsEveryFaultOfABrokenCatalogue)
{
    QTemporaryDir dir;
    const QString broken = importFixture(dir, u"broken"_s);
    const CliRun run
        = runCli({u"catalogue"_s, u"check"_s, u"--json"_s, u"--alias"_s, u"VOzuvada="_s + broken});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject result = QJsonDocument::fromJson(run.out).object();
    EXPECT_FALSE(result.value(u"ok"_s).toBool());

    // table, record: a distinctive part of the finding.
    const std::vector<std::tuple<QString, int, QString>> expected = {
        {u"razmzfn"_s, 2, u"не возрастают"_s},
        {u"razmzfn"_s, 3, u"точек в кривой: 3"_s},
        {u"razmzfn"_s, 4, u"КПД"_s},
        {u"razmzfn"_s, 5, u"повторяет запись 1"_s},
        {u"razmzfn"_s, 6, u"наименование серии длиннее 25"_s},
        {u"razmzfn"_s, 7, u"ManualName"_s},
        {u"razmzfn"_s, 8, u"Ny"_s},
        {u"razmzfn"_s, 9, u"не заполнено давление или мощность"_s},
        {u"razmzfnsmk"_s, 2, u"повторяет запись 1"_s},
    };
    const QJsonArray findings = result.value(u"findings"_s).toArray();
    for (const auto& [table, record, text] : expected) {
        bool found = false;
        for (const QJsonValue& f : findings) {
            const QJsonObject o = f.toObject();
            found = found
                || (o.value(u"table"_s).toString() == table && o.value(u"record"_s).toInt() == record
                    && o.value(u"message"_s).toString().contains(text));
        }
        EXPECT_TRUE(found) << table.toStdString() << " " << record << " " << text.toStdString();
    }
    for (const QJsonValue& f : findings)
        EXPECT_NE(f.toObject().value(u"record"_s).toInt(), 1) << "record 1 is sound";
}

TEST(CatalogueCli, CheckPassesOnTheBundledCatalogue)
{
    const CliRun run = runCli({u"catalogue"_s, u"check"_s});
    EXPECT_EQ(run.exitCode, 0) << run.out.constData() << run.err.constData();
}

TEST(CatalogueCli, SeriesListsOfBothWindows)
{
    QTemporaryDir dir;
    const QString catalogue = importFixture(dir, u"catalogue"_s);
    const CliRun general
        = runCli({u"catalogue"_s, u"series"_s, u"--json"_s, u"--alias"_s, u"VOzuvada="_s + catalogue});
    ASSERT_EQ(general.exitCode, 0) << general.err.constData();
    const QJsonObject lists = QJsonDocument::fromJson(general.out).object();
    EXPECT_EQ(lists.value(u"duct"_s).toArray().size(), 5);
    EXPECT_EQ(lists.value(u"roof"_s).toArray().at(0).toObject().value(u"name"_s).toString(), u"Roof X"_s);
    EXPECT_EQ(lists.value(u"pressurization"_s).toArray().at(0).toObject().value(u"icon"_s).toInt(), 4);

    const CliRun smoke = runCli(
        {u"catalogue"_s, u"series"_s, u"--smoke"_s, u"--json"_s, u"--alias"_s, u"VOzuvada="_s + catalogue});
    ASSERT_EQ(smoke.exitCode, 0);
    const QJsonObject smokeLists = QJsonDocument::fromJson(smoke.out).object();
    EXPECT_EQ(smokeLists.value(u"radialAxial"_s).toArray().size(), 1);
    EXPECT_EQ(smokeLists.value(u"roofWall"_s).toArray().size(), 2);
}

TEST(CatalogueCli, BadAliasAndMissingTablesAreReported)
{
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    QTemporaryDir dir;
    const QString empty = dir.filePath(u"empty.sqlite"_s);
    ASSERT_EQ(runCli({u"catalogue"_s, u"import"_s, u"--out"_s, empty}).exitCode, 0);
    const Case cases[] = {
        {{u"catalogue"_s, u"series"_s, u"--alias"_s, u"Nowhere=x.sqlite"_s}, 2},
        {{u"catalogue"_s, u"series"_s, u"--alias"_s, u"VOzuvada="_s + dir.filePath(u"absent.sqlite"_s)}, 2},
        {{u"catalogue"_s, u"series"_s, u"--alias"_s, u"VOzuvada="_s + empty}, 1},
        {{u"catalogue"_s, u"check"_s, u"--alias"_s, u"vozuvada="_s + empty}, 1},
        {{u"catalogue"_s, u"import"_s, u"--from"_s, dir.filePath(u"none"_s), u"--out"_s, empty}, 1},
    };
    for (const Case& c : cases) {
        const CliRun run = runCli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(u' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty() && run.out.isEmpty());
    }
}

// A damaged page that hides records from a plain read (its count of records cut short) ends every
// command that reads the catalogue with the store's message, never with a shorter list of fans.
TEST(CatalogueCli, DamagedCatalogueEndsEveryCommandWithTheStoresMessage)
{
    QTemporaryDir dir;
    const QString damaged = importFixture(dir, u"catalogue"_s);
    qint64 countAt = 0;
    {
        const QString connection = u"damage"_s;
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
        db.setDatabaseName(damaged);
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(u"SELECT pageno, (SELECT page_size FROM pragma_page_size) FROM dbstat "
                               "WHERE name = 'razmzfn' AND pagetype = 'leaf' ORDER BY pageno DESC"_s));
        ASSERT_TRUE(query.next()) << query.lastError().text().toStdString();
        // The record count of a leaf page: bytes 3 and 4 of its header.
        countAt = (query.value(0).toLongLong() - 1) * query.value(1).toLongLong() + 3;
        query.finish();
        db.close();
    }
    QSqlDatabase::removeDatabase(u"damage"_s);
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(countAt));
    const QByteArray count = file.read(2);
    const int records = (uchar(count[0]) << 8) | uchar(count[1]);
    ASSERT_GT(records, 1);
    ASSERT_TRUE(file.seek(countAt));
    const char cut[2] = {char((records - 1) >> 8), char((records - 1) & 0xff)};
    ASSERT_EQ(file.write(cut, 2), 2);
    file.close();

    const QString alias = u"VOzuvada="_s + damaged;
    const QStringList commands[] = {
        {u"select"_s, u"--flow"_s, u"1000"_s, u"--pressure"_s, u"300"_s},
        {u"catalogue"_s, u"series"_s},
        {u"catalogue"_s, u"check"_s},
    };
    for (const QStringList& command : commands) {
        const CliRun run = runCli(command + QStringList {u"--alias"_s, alias});
        EXPECT_EQ(run.exitCode, 1) << command.join(u' ').toStdString() << ": " << run.out.constData();
        EXPECT_TRUE(QByteArray(run.out + run.err).contains("database disk image is malformed"))
            << command.join(u' ').toStdString() << ": " << run.out.constData() << run.err.constData();
    }
}

// A catalogue whose fan tables hold no fans says so, instead of asking for a diameter to be ticked.
TEST(CatalogueCli, CatalogueWithoutFansSaysSo)
{
    QTemporaryDir dir;
    const QString sources = dir.filePath(u"sources"_s);
    ASSERT_TRUE(QDir().mkpath(sources));
    for (const QString& table : {u"razmzfn"_s, u"razmzfnsmk"_s}) {
        QFile file(sources + u'/' + table + u".tsv"_s);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Name\n");
    }
    const QString empty = dir.filePath(u"empty.sqlite"_s);
    ASSERT_EQ(runCli({u"catalogue"_s, u"import"_s, u"--from"_s, sources, u"--out"_s, empty}).exitCode, 0);
    const CliRun run = runCli({u"select"_s, u"--flow"_s, u"1000"_s, u"--pressure"_s, u"300"_s, u"--json"_s,
        u"--alias"_s, u"VOzuvada="_s + empty});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(QJsonDocument::fromJson(run.out).object()[u"messages"_s].toVariant().toStringList(),
        QStringList {u"В каталоге нет вентиляторов: таблица razmzfn пуста"_s})
        << run.out.constData();
}
