#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreImport.h"
#include "common/StoreQuery.h"
#include "common/StoreTable.h"
#include "common/SystemReason.h"
#include "support/FileSizeLimit.h"
#include "support/StoreEngines.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <atomic>
#include <cerrno>
#include <future>
#include <gtest/gtest.h>
#include <vector>

using namespace store;
using namespace Qt::Literals::StringLiterals;

namespace {
void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TableDef seriesTable()
{
    TableDef def;
    def.name = u"Series.DB"_s;
    def.fields = {{u"Num"_s, FieldKind::AutoIncrement}, {u"Name"_s, FieldKind::String, 25},
        {u"Flag"_s, FieldKind::Boolean}, {u"D"_s, FieldKind::Int16}, {u"Money"_s, FieldKind::Currency},
        {u"Q"_s, FieldKind::Float}};
    def.indexes = {{QString(), u"Num"_s, true, false}, {u"Name_D"_s, u"name;D"_s, false, true}};
    return def;
}

QStringList column(QSqlDatabase db, const QString& sql, const QString& field, const QVariantList& values = {})
{
    StoreQuery query(db, sql, values);
    QStringList result;
    while (query.next())
        result << query.text(field);
    return result;
}
} // namespace

// The store's statements, tables and writes on each engine.
class StoreEngines : public storeengines::StoreEngineTest { };

TEST_P(StoreEngines, GroupByRowsSortedFalseBeforeTrueAndBoundTextIsNeverSpliced)
{
    QSqlDatabase db = this->db();
    createTable(db, seriesTable());
    appendRecords(db, u"series"_s, {u"Name"_s, u"Flag"_s, u"D"_s},
        {{u"Zeta"_s, true, 1}, {u"O'Brien"_s, false, 2}, {u"Alpha"_s, true, 3}, {u"Zeta"_s, false, 4},
            {u"O'Brien"_s, false, 5}});

    EXPECT_EQ(
        column(db,
            u"SELECT \"Flag\", \"Name\" FROM series GROUP BY \"Flag\", \"Name\" ORDER BY \"Flag\", \"Name\""_s,
            u"Name"_s),
        (QStringList {u"O'Brien"_s, u"Zeta"_s, u"Alpha"_s, u"Zeta"_s}));
    // A table without a primary index is read in insertion order.
    TableDef unordered {u"unordered"_s, {{u"D"_s, FieldKind::Int16}}, {}};
    createTable(db, unordered);
    appendRecords(db, unordered.name, {u"D"_s}, {{5}, {3}, {4}, {1}, {2}});
    EXPECT_EQ(column(db, u"SELECT \"D\" FROM unordered"_s + insertionOrder(engine()), u"D"_s),
        (QStringList {u"5"_s, u"3"_s, u"4"_s, u"1"_s, u"2"_s}));
    EXPECT_EQ(column(db, u"SELECT \"D\" FROM series WHERE \"Name\" = ? AND \"Flag\" = ?"_s, u"D"_s,
                  {u"O'Brien"_s, false}),
        (QStringList {u"2"_s, u"5"_s}));
    EXPECT_TRUE(
        column(db, u"SELECT \"D\" FROM series WHERE \"Name\" = ?"_s, u"D"_s, {u"x' OR '1'='1"_s}).isEmpty());
}

TEST_P(StoreEngines, NullFieldsReadAsEmptyTextAndZero)
{
    QSqlDatabase db = this->db();
    createTable(db, seriesTable());
    appendRecords(db, u"SERIES.db"_s, {u"Name"_s}, {{u"only a name"_s}});
    StoreQuery row(db, u"SELECT * FROM series"_s);
    ASSERT_TRUE(row.next());
    EXPECT_EQ(row.integer(u"num"_s), 1) << "autoincrement fills Num; names compare without case";
    EXPECT_EQ(row.text(u"D"_s), QString());
    EXPECT_EQ(row.number(u"Q"_s), 0);
    EXPECT_FALSE(row.boolean(u"Flag"_s));
    EXPECT_FALSE(row.optionalNumber(u"Money"_s).has_value());
    EXPECT_THROW(row.value(u"NoSuchField"_s), CatalogueError);
}

TEST_P(StoreEngines, CreatingReplacesTheTableAndKeepsIndexNamesApart)
{
    QSqlDatabase db = this->db();
    TableDef def = seriesTable();
    createTable(db, def);
    appendRecords(db, def.name, {u"Name"_s}, {{u"old"_s}, {u"older"_s}});
    // A second table with an index of the same name, then the first one created again.
    TableDef other = def;
    other.name = u"Other"_s;
    createTable(db, other);
    def.fields.push_back({u"Extra"_s, FieldKind::String, 10});
    createTable(db, def);

    StoreQuery query(db, u"SELECT * FROM series"_s);
    EXPECT_FALSE(query.next()) << "the previous rows are gone";
    EXPECT_TRUE(query.hasField(u"Extra"_s));
    appendRecords(db, def.name, {u"Name"_s}, {{u"new"_s}});
    EXPECT_EQ(column(db, u"SELECT \"Num\" FROM series"_s, u"Num"_s), QStringList {u"1"_s});

    // The secondary index compares names without case.
    const bool sqlite = engine() == Engine::Sqlite;
    const QStringList indexSql = sqlite
        ? column(db, u"SELECT sql FROM sqlite_master WHERE type = 'index' AND tbl_name = ?"_s, u"sql"_s,
            {u"series"_s})
        : column(db, u"SELECT indexdef FROM pg_indexes WHERE tablename = ? AND indexname LIKE ?"_s,
            u"indexdef"_s, {u"series"_s, u"%Name_D"_s});
    ASSERT_EQ(indexSql.size(), 1);
    EXPECT_TRUE(indexSql[0].contains(sqlite ? u"\"Name\" COLLATE NOCASE"_s : u"lower((\"Name\")"_s))
        << indexSql[0].toStdString();
}

TEST_P(StoreEngines, ErrorsCarryTheEnginesMessageAndWritesAreAllOrNothing)
{
    QSqlDatabase db = this->db();
    try {
        StoreQuery(db, u"SELECT * FROM no_such_table"_s);
        FAIL() << "no error";
    } catch (const CatalogueError& error) {
        // SQLite: "no such table: no_such_table"; PostgreSQL: relation "no_such_table" does not exist.
        EXPECT_TRUE(error.message().contains(u"no_such_table"_s)) << error.message().toStdString();
    }
    EXPECT_THROW(execute(db, u"UPDATE no_such_table SET x = ?"_s, {1}), CatalogueError);

    createTable(db, seriesTable());
    TableDef strict;
    strict.name = u"strict"_s;
    strict.fields = {{u"K"_s, FieldKind::Int16}};
    strict.indexes = {{QString(), u"K"_s, true, false}};
    createTable(db, strict);
    // The second record repeats the primary key: the first must not stay behind.
    EXPECT_THROW(appendRecords(db, u"strict"_s, {u"K"_s}, {{1}, {1}}), CatalogueError);
    EXPECT_TRUE(column(db, u"SELECT \"K\" FROM strict"_s, u"K"_s).isEmpty());
    EXPECT_THROW(aliasDatabase(u"Elsewhere"_s), CatalogueError);
}

// A failed import leaves the previous tables as they were. A SQLite catalogue is built anew as a whole;
// in a PostgreSQL database the tables the folder does not hold stay.
TEST_P(StoreEngines, ImportReplacesTablesAllOrNothing)
{
    QTemporaryDir dir;
    writeFile(dir.filePath(u"a.tsv"_s), "Code\tPrice\nx\t1.5\ny\t2\n");
    writeFile(dir.filePath(u"b.tsv"_s), "K\n1\n2\n3\n");
    TableDef kept {u"kept"_s, {{u"K"_s, FieldKind::Int16}}, {}};
    createTable(db(), kept);
    appendRecords(db(), kept.name, {u"K"_s}, {{7}});

    const auto tables = importTsvFolder(dir.path(), config(), {});
    reconnect();
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[1].records, 3);
    EXPECT_EQ(column(db(), u"SELECT \"Code\" FROM a"_s + insertionOrder(engine()), u"Code"_s),
        (QStringList {u"x"_s, u"y"_s}));

    // The second file is bad: neither table changes.
    writeFile(dir.filePath(u"a.tsv"_s), "Code\tPrice\nz\t9\n");
    writeFile(dir.filePath(u"b.tsv"_s), "K\nnot a number\n");
    const auto typed = [](const QString& name) -> std::optional<TableDef> {
        if (name == u"b"_s)
            return TableDef {u"b"_s, {{u"K"_s, FieldKind::Int16}}, {}};
        return std::nullopt;
    };
    EXPECT_THROW(importTsvFolder(dir.path(), config(), typed), CatalogueError);
    EXPECT_EQ(column(db(), u"SELECT \"Code\" FROM a"_s + insertionOrder(engine()), u"Code"_s),
        (QStringList {u"x"_s, u"y"_s}));
    EXPECT_EQ(column(db(), u"SELECT \"K\" FROM b"_s + insertionOrder(engine()), u"K"_s),
        (QStringList {u"1"_s, u"2"_s, u"3"_s}));
    EXPECT_EQ(tableExists(db(), kept.name), engine() == Engine::Postgres);
}

ZFN_ON_EVERY_ENGINE(StoreEngines);

TEST(Store, MissingSqliteCatalogueIsAnErrorAndIsNotCreated)
{
    QTemporaryDir dir;
    const QString absent = dir.filePath(u"absent.sqlite"_s);
    setAliasOverride(vozuvadaAlias(), absent);
    EXPECT_THROW(aliasDatabase(vozuvadaAlias()), CatalogueError);
    EXPECT_FALSE(QFileInfo::exists(absent));
    clearAliasOverrides();
}

TEST(Store, SettingsFileConfiguresSqliteAndPostgres)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(u"zfn.ini"_s);
    writeFile(ini,
        "[vozuvada]\nDriver=QPSQL\nHost=db.office\nPort=6543\nDatabase=zfn\nUser=designer\nPassword=p;w\n"
        "[Pritoshka]\nDriver=QSQLITE\nDatabase=sub/elements.sqlite\n");
    const AliasConfig fans = readAliasConfig(ini, u"VOzuvada"_s);
    EXPECT_EQ(fans.engine, Engine::Postgres);
    EXPECT_EQ(fans.host, u"db.office"_s);
    EXPECT_EQ(fans.port, 6543);
    EXPECT_EQ(fans.database, u"zfn"_s);
    EXPECT_EQ(fans.user, u"designer"_s);
    const AliasConfig elements = readAliasConfig(ini, u"Pritoshka"_s);
    EXPECT_EQ(elements.engine, Engine::Sqlite);
    EXPECT_EQ(elements.database, dir.filePath(u"sub/elements.sqlite"_s)) << "relative to the settings file";

    // No file, or no section: the bundled file beside the program.
    EXPECT_TRUE(readAliasConfig(QString(), u"VOzuvada"_s).database.endsWith(u"/vozuvada.sqlite"_s));
    writeFile(ini, "[Other]\nDriver=QMYSQL\n");
    EXPECT_TRUE(readAliasConfig(ini, u"Pritoshka"_s).database.endsWith(u"/pritoshka.sqlite"_s));
    writeFile(ini, "[VOzuvada]\nDriver=QMYSQL\n");
    EXPECT_EQ(readAliasConfig(ini, u"VOzuvada"_s).unknownDriver, u"QMYSQL"_s);
}

TEST(Store, ImportTypesColumnsAndFailsWithoutTouchingThePreviousFile)
{
    QTemporaryDir dir;
    const QString sources = dir.filePath(u"src"_s);
    QDir().mkpath(sources);
    writeFile(sources + u"/Prices.tsv"_s, "Code\tPrice\tCount\tNote\nA'1\t10.5\t3\t\nB\t7\t\tтекст\n");
    const QString out = dir.filePath(u"out.sqlite"_s);
    const auto tables = importTsvFolder(sources, out, {});
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(tables[0].name, u"prices"_s);
    EXPECT_EQ(tables[0].records, 2);

    setAliasOverride(pritoshkaAlias(), out);
    {
        StoreQuery row(
            aliasDatabase(pritoshkaAlias()), u"SELECT * FROM prices WHERE \"Code\" = ?"_s, {u"A'1"_s});
        ASSERT_TRUE(row.next());
        EXPECT_EQ(row.number(u"Price"_s), 10.5);
        EXPECT_EQ(row.integer(u"Count"_s), 3);
        EXPECT_TRUE(row.isNull(u"Note"_s));
    }
    clearAliasOverrides();

    // A bad cell names file, line and column; the catalogue built before is left as it was.
    const std::optional<TableDef> typed = TableDef {u"prices"_s,
        {{u"Code"_s, FieldKind::String, 5}, {u"Price"_s, FieldKind::Currency}, {u"Count"_s, FieldKind::Int16},
            {u"Note"_s, FieldKind::Boolean}},
        {}};
    const QFileInfo before(out);
    const qint64 size = before.size();
    try {
        importTsvFolder(sources, out, [&](const QString&) { return typed; });
        FAIL() << "no error";
    } catch (const CatalogueError& error) {
        EXPECT_TRUE(error.message().contains(u"Prices.tsv:3"_s)) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains(u"\"Note\""_s));
    }
    EXPECT_EQ(QFileInfo(out).size(), size);
    EXPECT_FALSE(QFileInfo::exists(out + u".building"_s));

    writeFile(sources + u"/Prices.tsv"_s, "Code\tPrice\nA\t1\t2\n");
    EXPECT_THROW(importTsvFolder(sources, out, {}), CatalogueError) << "a row with an extra cell";
}

// An import that the disk or the folder refuses says the system's reason, not the engine's "disk I/O
// error" or "unable to open database file", and leaves the previous catalogue as it was.
TEST(Store, ImportOntoAFullDiskOrABadFolderSaysTheSystemsReason)
{
    QTemporaryDir dir;
    const QString sources = dir.filePath(u"src"_s);
    QDir().mkpath(sources);
    QByteArray rows = "Code\tNote\n";
    for (int i = 0; i < 5000; ++i)
        rows += "code" + QByteArray::number(i) + "\tзапись каталога\n";
    writeFile(sources + u"/big.tsv"_s, rows);
    const QString out = dir.filePath(u"out.sqlite"_s);
    importTsvFolder(sources, out, {});
    const QByteArray old = [&] {
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();

    const auto error = saveWithFileSizeLimit(20'000, [&] {
        try {
            importTsvFolder(sources, out, {});
        } catch (const CatalogueError& e) {
            return e.message();
        }
        return QString();
    });
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, out + u": "_s + systemReason(EFBIG));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), old);
    EXPECT_FALSE(QFileInfo::exists(out + u".building"_s));

    // A "folder" that is a file.
    try {
        importTsvFolder(sources, dir.filePath(u"src/big.tsv/out.sqlite"_s), {});
        FAIL() << "no error";
    } catch (const CatalogueError& e) {
        EXPECT_TRUE(e.message().endsWith(systemReason(ENOTDIR))) << e.message().toStdString();
    }
}

// Readers of a PostgreSQL catalogue during re-imports see the old table or the new one whole, never an
// empty or a partial one.
TEST(Store, ReadersDuringAPostgresReimportSeeOneWholeCatalogue)
{
    storeengines::ScratchDatabase scratch;
    if (const QString problem = scratch.create(Engine::Postgres); !problem.isEmpty()) {
        if (qEnvironmentVariableIntValue("ZFN_TEST_POSTGRES_REQUIRED") != 0)
            FAIL() << problem.toStdString();
        GTEST_SKIP() << problem.toStdString();
    }
    QTemporaryDir dir;
    const auto source = [&](int rows) {
        QByteArray text = "Code\tNote\n";
        for (int i = 0; i < rows; ++i)
            text += "c" + QByteArray::number(i) + "\tnote\n";
        writeFile(dir.filePath(u"items.tsv"_s), text);
    };
    source(3000);
    importTsvFolder(dir.path(), scratch.config(), {});

    std::atomic<bool> importing {true};
    std::vector<std::future<QSet<int>>> readers;
    for (int r = 0; r < 3; ++r) {
        readers.push_back(std::async(std::launch::async, [&] {
            QSet<int> seen;
            OwnConnection connection(scratch.config());
            while (importing) {
                StoreQuery query(connection.db(), u"SELECT \"Code\" FROM items"_s);
                int rows = 0;
                while (query.next())
                    ++rows;
                seen.insert(rows);
            }
            return seen;
        }));
    }
    for (int i = 0; i < 6; ++i) {
        source(i % 2 == 0 ? 2000 : 3000);
        importTsvFolder(dir.path(), scratch.config(), {});
    }
    importing = false;
    for (auto& reader : readers) {
        const QSet<int> seen = reader.get();
        EXPECT_TRUE(seen.contains(3000) || seen.contains(2000));
        for (const int rows : seen)
            EXPECT_TRUE(rows == 2000 || rows == 3000) << rows << " rows read";
    }
}
