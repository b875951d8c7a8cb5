#include "common/CatalogueStore.h"
#include "common/StoreError.h"
#include "common/StoreQuery.h"
#include "common/StoreTable.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace store;
using namespace Qt::Literals::StringLiterals;

// On SQLite the store reads and appends through the engine's own interface. What it reads and stores must
// be what it was through the Qt SQL layer: the same values of the same types, the same NULLs.
namespace {

AliasConfig sqliteFile(const QString& path)
{
    AliasConfig config;
    config.database = path;
    return config;
}

class SqliteStore : public ::testing::Test {
protected:
    SqliteStore()
        : m_connection(sqliteFile(m_dir.filePath(u"scratch.sqlite"_s)), true)
    {
    }
    QSqlDatabase db() const { return m_connection.db(); }
    void exec(const QString& sql) const
    {
        QSqlQuery query(db());
        ASSERT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
    }

private:
    QTemporaryDir m_dir;
    OwnConnection m_connection;
};

TEST_F(SqliteStore, CellsReadAsTheQtDriverGivesThem)
{
    // A cell read as a number or a yes/no that holds neither is a fault of the catalogue (bad), never 0.
    struct Case {
        const char16_t* literal; // stored as it is: the column has no type of its own
        const char16_t* text; // nullptr: a null text
        std::optional<double> number; // nothing: empty, or bad when numberBad
        bool numberBad;
        std::optional<bool> boolean; // nothing: bad
    };
    const Case cases[] = {
        {u"42", u"42", 42, false, true},
        {u"-7", u"-7", -7, false, true},
        {u"0", u"0", 0, false, false},
        {u"2.5", u"2.5", 2.5, false, true},
        {u"0.0", u"0", 0, false, false},
        {u"9e999", u"inf", std::nullopt, true, std::nullopt}, // infinity is no number of a catalogue
        {u"'abc'", u"abc", std::nullopt, true, std::nullopt},
        {u"' 12.5 '", u" 12.5 ", 12.5, false, true},
        {u"'true'", u"true", std::nullopt, true, true},
        {u"'TRUE'", u"TRUE", std::nullopt, true, true},
        {u"'t'", u"t", std::nullopt, true, true},
        {u"'false'", u"false", std::nullopt, true, false},
        {u"''", u"", std::nullopt, false, false},
        {u"'Канальный ВКК'", u"Канальный ВКК", std::nullopt, true, std::nullopt},
        {u"x'3132'", u"12", 12, false, true}, // bytes read as UTF-8 text
        {u"NULL", nullptr, std::nullopt, false, false},
    };
    exec(u"CREATE TABLE cells (k INTEGER, v)"_s);
    for (size_t i = 0; i < std::size(cases); ++i)
        exec(u"INSERT INTO cells VALUES (%1, %2)"_s.arg(i).arg(QString::fromUtf16(cases[i].literal)));

    QSqlQuery qt(db());
    ASSERT_TRUE(qt.exec(u"SELECT v FROM cells ORDER BY k"_s));
    StoreQuery ours(db(), u"SELECT v FROM cells ORDER BY k"_s);
    for (const Case& c : cases) {
        const std::string what = QString::fromUtf16(c.literal).toStdString();
        ASSERT_TRUE(qt.next());
        ASSERT_TRUE(ours.next()) << what;
        const QVariant expected = qt.value(0);
        const QVariant read = ours.value(0);
        EXPECT_EQ(read.typeId(), expected.typeId()) << what;
        EXPECT_EQ(read.isNull(), expected.isNull()) << what;
        EXPECT_EQ(read, expected) << what;

        EXPECT_EQ(ours.isNull(0), c.text == nullptr) << what;
        const QString text = ours.text(0);
        EXPECT_EQ(text.isNull(), c.text == nullptr) << what;
        if (c.text) {
            EXPECT_EQ(text, QString::fromUtf16(c.text)) << what;
        }
        if (c.numberBad) {
            EXPECT_THROW(ours.optionalNumber(0), BadCellError) << what;
            EXPECT_THROW(ours.number(0), BadCellError) << what;
        } else {
            EXPECT_EQ(ours.optionalNumber(0), c.number) << what;
            EXPECT_EQ(ours.number(0), c.number.value_or(0)) << what;
        }
        if (c.boolean) {
            EXPECT_EQ(ours.boolean(0), *c.boolean) << what;
        } else {
            EXPECT_THROW(ours.boolean(0), BadCellError) << what;
        }
    }
    EXPECT_FALSE(ours.next());
    // Past the end the statement is not run again, and cells read as NULL.
    EXPECT_FALSE(ours.next());
    EXPECT_TRUE(ours.isNull(0));
    EXPECT_EQ(ours.text(0), QString());
}

TEST_F(SqliteStore, BoundValuesSelectAsTheQtDriverBindsThem)
{
    exec(u"CREATE TABLE t (n INTEGER, s TEXT)"_s);
    exec(u"INSERT INTO t VALUES (1, 'O''Brien'), (2, ''), (3, NULL), (4, '1')"_s);
    const auto keys = [this](const QVariantList& values, const QString& where) {
        StoreQuery query(db(), u"SELECT n FROM t WHERE "_s + where + u" ORDER BY n"_s, values);
        QList<int> result;
        while (query.next())
            result << query.integer(0);
        return result;
    };
    EXPECT_EQ(keys({u"O'Brien"_s}, u"s = ?"_s), QList<int> {1});
    EXPECT_EQ(keys({u""_s}, u"s = ?"_s), QList<int> {2}) << "an empty text is a text";
    EXPECT_EQ(keys({QString()}, u"s IS ?"_s), QList<int> {3}) << "a null text is NULL";
    EXPECT_EQ(keys({QVariant()}, u"s IS ?"_s), QList<int> {3});
    EXPECT_EQ(keys({true}, u"n = ?"_s), QList<int> {1}) << "a boolean is 1 or 0";
    EXPECT_EQ(keys({2.0, qlonglong(3)}, u"n IN (?, ?)"_s), (QList<int> {2, 3}));

    EXPECT_THROW(StoreQuery(db(), u"SELECT n FROM t WHERE n = ?"_s), CatalogueError)
        << "a value missing for a placeholder";
    EXPECT_THROW(StoreQuery(db(), u"SELECT n FROM t; DELETE FROM t"_s), CatalogueError)
        << "one statement at a time";
    EXPECT_EQ(keys({}, u"1 = 1"_s), (QList<int> {1, 2, 3, 4})) << "nothing was deleted";
}

// The same record appended by the store and through the Qt SQL layer is stored alike, cell by cell:
// the same storage class, the same value.
TEST_F(SqliteStore, AppendedValuesAreStoredAsTheQtDriverStoresThem)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QVariantList values {true, false, 7, -32768, 2.5, nan, qlonglong(1) << 40, u"O'Brien"_s, QString(),
        u""_s, QVariant(), QByteArray("ab"), u"Ц"_s};
    TableDef def;
    def.name = u"appended"_s;
    QStringList columns;
    for (qsizetype i = 0; i < values.size(); ++i) {
        columns << u"c%1"_s.arg(i);
        def.fields.push_back({columns.last(), FieldKind::String, 20});
    }
    createTable(db(), def);

    QSqlQuery qt(db());
    ASSERT_TRUE(qt.prepare(
        u"INSERT INTO appended VALUES (%1)"_s.arg(QStringList(values.size(), u"?"_s).join(u", "_s))));
    for (qsizetype i = 0; i < values.size(); ++i)
        qt.bindValue(int(i), values[i]);
    ASSERT_TRUE(qt.exec()) << qt.lastError().text().toStdString();
    {
        RecordAppender variants(db(), def.name, columns);
        for (qsizetype i = 0; i < values.size(); ++i)
            variants.bind(int(i), values[i]);
        variants.post();
        variants.commit();
    }
    {
        // The typed bindings of the result tables.
        RecordAppender typed(db(), def.name, columns);
        typed.bind(0, true);
        typed.bind(1, false);
        typed.bind(2, 7);
        typed.bind(3, -32768);
        typed.bind(4, 2.5);
        typed.bind(5, nan);
        typed.bind(6, QVariant(qlonglong(1) << 40));
        typed.bind(7, u"O'Brien"_s);
        typed.bind(8, QString());
        typed.bind(9, u""_s);
        typed.bindNull(10);
        typed.bind(11, QVariant(QByteArray("ab")));
        typed.bind(12, u"Ц"_s);
        typed.post();
        typed.commit();
    }

    QStringList cells;
    for (const QString& column : columns)
        cells << u"typeof(%1) || ':' || quote(%1)"_s.arg(column);
    StoreQuery stored(db(), u"SELECT %1 FROM appended ORDER BY rowid"_s.arg(cells.join(u", "_s)));
    QList<QStringList> rows;
    while (stored.next()) {
        QStringList row;
        for (qsizetype i = 0; i < columns.size(); ++i)
            row << stored.text(int(i));
        rows << row;
    }
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[1], rows[0]) << rows[1].join(u" | "_s).toStdString();
    EXPECT_EQ(rows[2], rows[0]) << rows[2].join(u" | "_s).toStdString();
}

TEST_F(SqliteStore, AFailedAppendStoresNothingAndSaysWhy)
{
    TableDef def {u"keyed"_s, {{u"K"_s, FieldKind::Int16}}, {{QString(), u"K"_s, true, false}}};
    createTable(db(), def);
    try {
        RecordAppender appender(db(), def.name, {u"K"_s});
        for (const int key : {1, 2, 1}) {
            appender.bind(0, key);
            appender.post();
        }
        appender.commit();
        FAIL() << "a repeated key was stored";
    } catch (const CatalogueError& error) {
        EXPECT_TRUE(error.message().contains(u"UNIQUE"_s)) << error.message().toStdString();
    }
    StoreQuery count(db(), u"SELECT COUNT(*) FROM keyed"_s);
    ASSERT_TRUE(count.next());
    EXPECT_EQ(count.integer(0), 0);
    // The connection goes on: the next append works.
    appendRecords(db(), def.name, {u"K"_s}, {{5}});
    StoreQuery again(db(), u"SELECT K FROM keyed"_s);
    ASSERT_TRUE(again.next());
    EXPECT_EQ(again.integer(0), 5);
}

} // namespace
