#include "office/ParadoxImport.h"
#include "common/StoreError.h"
#include "fans/FanCatalogue.h"
#include "fans/FanDesignation.h"
#include "office/ParadoxCatalogue.h"
#include "office/ParadoxTable.h"
#include "support/CliRunner.h"
#include "support/StoreEngines.h"
#include "support/TestSupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using clirunner::runCli;
using paradoxwriter::Field;

namespace {

QJsonObject jsonOf(const QByteArray& out)
{
    return QJsonDocument::fromJson(out).object();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// A folder of Paradox tables, the file an import writes to, and a previous catalogue in that file that a
// failed import must leave as it was.
class ParadoxFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(u"paradox"_s));
        writeBytes(out(), previous);
    }
    QDir folder() const { return QDir(m_dir.filePath(u"paradox"_s)); }
    QString out() const { return m_dir.filePath(u"catalogue.sqlite"_s); }

    clirunner::CliRun importFolder()
    {
        return runCli({u"catalogue"_s, u"import-paradox"_s, folder().path(), u"--out"_s, out()});
    }

    // The import failed, said why, and wrote nothing.
    void expectRefused(const clirunner::CliRun& run, const QString& why)
    {
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(QString::fromUtf8(run.err).contains(why)) << run.err.toStdString();
        EXPECT_EQ(fileBytes(out()), previous);
        EXPECT_FALSE(QFile::exists(out() + u".building"_s));
    }

    const QByteArray previous = "the catalogue of yesterday";

private:
    QTemporaryDir m_dir;
};

// The fans of a selection as JSON, on the catalogue of the file.
QJsonArray selectedFans(const QString& catalogue, const QStringList& selection)
{
    const auto run = runCli(selection + QStringList {u"--json"_s, u"--alias"_s, u"VOzuvada="_s + catalogue});
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    return jsonOf(run.out).value(u"fans"_s).toArray();
}

TEST_F(ParadoxFolder, ImportedCatalogueListsTheSameFansAsTheOriginal)
{
    paradoxcatalogue::writeBundledFanTables(folder());
    // Tables the program does not read, as an office folder holds them, are left out.
    paradoxwriter::writeTable(
        folder().filePath(u"Razmchek.DB"_s), {{u"Num"_s, office::ParadoxAutoInc, 4}}, {});
    const auto run
        = runCli({u"catalogue"_s, u"import-paradox"_s, folder().path(), u"--out"_s, out(), u"--json"_s});
    ASSERT_EQ(run.exitCode, 0) << run.out.toStdString() << run.err.toStdString();
    const QJsonObject report = jsonOf(run.out);
    EXPECT_EQ(report.value(u"skipped"_s).toArray(), QJsonArray {u"Razmchek.DB"_s});
    QStringList tables;
    for (const auto& table : report.value(u"tables"_s).toArray())
        tables << table.toObject().value(u"table"_s).toString();
    tables.sort();
    EXPECT_EQ(tables, (QStringList {u"razmzfn"_s, u"razmzfnsmk"_s}));

    const QList<QStringList> selections {
        {u"select"_s, u"--flow"_s, u"5000"_s, u"--pressure"_s, u"500"_s},
        {u"select"_s, u"--flow"_s, u"12000"_s, u"--pressure"_s, u"300"_s, u"--group"_s, u"roof"_s},
        {u"select"_s, u"--flow"_s, u"20000"_s, u"--pressure"_s, u"600"_s, u"--group"_s, u"pressurization"_s,
            u"--pressure-kind"_s, u"static"_s},
        {u"select-smoke"_s, u"--flow"_s, u"15000"_s, u"--pressure"_s, u"400"_s, u"--temperature"_s, u"400"_s,
            u"--group"_s, u"radial"_s},
    };
    for (const QStringList& selection : selections) {
        SCOPED_TRACE(selection.join(u' ').toStdString());
        const QJsonArray original = selectedFans(paradoxcatalogue::bundledCatalogue(), selection);
        EXPECT_FALSE(original.isEmpty());
        EXPECT_EQ(selectedFans(out(), selection), original);
    }
    const auto check = runCli({u"catalogue"_s, u"check"_s, u"--alias"_s, u"VOzuvada="_s + out()});
    const auto checkOriginal = runCli(
        {u"catalogue"_s, u"check"_s, u"--alias"_s, u"VOzuvada="_s + paradoxcatalogue::bundledCatalogue()});
    EXPECT_EQ(check.exitCode, checkOriginal.exitCode) << check.out.toStdString();
}

// Column faults are named with their table, and nothing is written.
struct ColumnCase {
    const char* what;
    std::function<void(std::vector<Field>&, std::vector<QVariantList>&)> change;
    QString message;
};

TEST_F(ParadoxFolder, ColumnsThatDoNotFitAreNamedAndNothingIsWritten)
{
    auto fieldAt = [](std::vector<Field>& fields, const QString& name) {
        return size_t(std::find_if(fields.begin(), fields.end(), [&](const Field& f) {
            return f.name == name;
        }) - fields.begin());
    };
    const std::vector<ColumnCase> cases {
        {"missing column",
            [&](auto& fields, auto& records) {
                const size_t at = fieldAt(fields, u"Polus"_s);
                fields.erase(fields.begin() + qsizetype(at));
                for (auto& r : records)
                    r.removeAt(qsizetype(at));
            },
            u"razmzfn: нет столбца \"Polus\""_s},
        {"text where a whole number belongs",
            [&](auto& fields, auto& records) {
                const size_t at = fieldAt(fields, u"D"_s);
                fields[at] = {u"D"_s, office::ParadoxAlpha, 10};
                for (auto& r : records)
                    r[qsizetype(at)] = r[qsizetype(at)].toString();
            },
            u"razmzfn: столбец \"D\" типа A10, нужен целое число (S)"_s},
        {"date where a number belongs",
            [&](auto& fields, auto&) {
                fields[fieldAt(fields, u"Massa"_s)] = {u"Massa"_s, office::ParadoxDate, 4};
            },
            u"столбец \"Massa\" типа D, нужен число (N)"_s},
        {"whole number too large for its column",
            [&](auto& fields, auto& records) {
                const size_t at = fieldAt(fields, u"N"_s);
                fields[at] = {u"N"_s, office::ParadoxLong, 4};
                records[1][qsizetype(at)] = 70000;
            },
            u"razmzfn: запись 2, столбец \"N\": 70000 не умещается в целое 16-битное поле"_s},
        {"text too long for its column",
            [&](auto& fields, auto& records) {
                const size_t at = fieldAt(fields, u"Ny"_s);
                fields[at] = {u"Ny"_s, office::ParadoxAlpha, 20};
                records[0][qsizetype(at)] = u"1234567890,5"_s;
            },
            u"запись 1, столбец \"Ny\": текст длиннее 10 знаков"_s},
    };
    for (const ColumnCase& c : cases) {
        SCOPED_TRACE(c.what);
        auto fields = paradoxcatalogue::catalogueFields(fans::CatalogueKind::General);
        auto records = paradoxcatalogue::bundledRecords(fans::CatalogueKind::General, fields, 3);
        c.change(fields, records);
        QFile::remove(folder().filePath(u"razmzfn.db"_s));
        paradoxwriter::writeTable(folder().filePath(u"razmzfn.db"_s), fields, records);
        expectRefused(importFolder(), c.message);
    }
}

TEST_F(ParadoxFolder, ColumnsTheProgramDoesNotReadAreLeftOutWithANote)
{
    auto fields = paradoxcatalogue::catalogueFields(fans::CatalogueKind::Smoke);
    fields.push_back({u"Примечание"_s, office::ParadoxAlpha, 40});
    auto records = paradoxcatalogue::bundledRecords(fans::CatalogueKind::Smoke, fields, 2);
    records[0].last() = u"новинка"_s;
    // A smoke-exhaust table may leave out the columns the program does not read.
    for (const QString& unread : {u"A"_s, u"Lpa_Arround"_s}) {
        const auto at
            = std::find_if(fields.begin(), fields.end(), [&](const Field& f) { return f.name == unread; });
        for (auto& r : records)
            r.removeAt(at - fields.begin());
        fields.erase(at);
    }
    paradoxwriter::writeTable(folder().filePath(u"razmzfnsmk.db"_s), fields, records);
    const auto run = importFolder();
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(
        QString::fromUtf8(run.out).contains(u"razmzfnsmk: столбец \"Примечание\" программа не читает"_s))
        << run.out.toStdString();
}

// Cut, empty and garbage files: a clear message naming the file, and the previous catalogue stays.
TEST_F(ParadoxFolder, DamagedFilesAreRefusedWithTheirName)
{
    const QString table = folder().filePath(u"razmzfn.db"_s);
    const auto fields = paradoxcatalogue::catalogueFields(fans::CatalogueKind::General);
    paradoxwriter::writeTable(
        table, fields, paradoxcatalogue::bundledRecords(fans::CatalogueKind::General, fields));
    const QByteArray sound = fileBytes(table);
    ASSERT_GT(sound.size(), 8192);
    QByteArray garbage(4096, '\0');
    QRandomGenerator random(18);
    for (char& c : garbage)
        c = char(random.bounded(256));
    const struct {
        const char* what;
        QByteArray bytes;
        QString message;
    } cases[] = {
        {"empty", {}, u"не таблица Paradox"_s},
        {"cut inside the header", sound.left(40), u"не таблица Paradox"_s},
        {"cut inside the field list", sound.left(0x80), u"не таблица Paradox"_s},
        {"cut after the header", sound.left(2048 + 100), u"файл обрезан"_s},
        {"last byte missing", sound.left(sound.size() - 1), u"файл обрезан"_s},
        {"garbage", garbage, u"не таблица Paradox"_s},
        {"text file", QByteArray("Name\tD\nВКП\t315\n").repeated(200), u"не таблица Paradox"_s},
        {"encrypted", QByteArray(sound).replace(0x5C, 1, "\x01"), u"таблица зашифрована"_s},
        {"record count beyond the blocks", QByteArray(sound).replace(0x06, 1, "\x01"),
            u"таблица повреждена"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(table, c.bytes);
        expectRefused(importFolder(), u"razmzfn.db: "_s + c.message);
    }
}

// Whatever the bytes, reading a table ends in records or in the program's message.
TEST(ParadoxTable, SurvivesDamagedBytes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"t.db"_s);
    const std::vector<Field> fields {{u"Name"_s, office::ParadoxAlpha, 12}, {u"D"_s, office::ParadoxShort, 2},
        {u"1"_s, office::ParadoxNumber, 8}, {u"Krugl"_s, office::ParadoxLogical, 1}};
    std::vector<QVariantList> records;
    for (int i = 0; i < 150; ++i)
        records.push_back({u"ВКП-%1"_s.arg(i), i, i * 1.5, i % 2 == 0});
    paradoxwriter::writeTable(path, fields, records);
    const QByteArray sound = fileBytes(path);
    QRandomGenerator random(1251);
    int read = 0;
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = sound;
        const int changes = 1 + int(random.bounded(8));
        // Half the rounds hit the header, where the layout of the whole file is said.
        const int span = round % 2 == 0 ? 0x100 : int(bytes.size());
        for (int i = 0; i < changes; ++i)
            bytes[int(random.bounded(span))] = char(random.bounded(256));
        writeBytes(path, bytes);
        try {
            const office::ParadoxTable table = office::readParadoxTable(path);
            EXPECT_EQ(table.fields.size(), fields.size());
            ++read;
        } catch (const CatalogueError& error) {
            EXPECT_TRUE(error.message().startsWith(path)) << error.what();
            ++refused;
        }
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}

TEST(ParadoxTable, ReadsEveryKindOfValueAndNull)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"kinds.db"_s);
    const std::vector<Field> fields {{u"Название"_s, office::ParadoxAlpha, 20},
        {u"S"_s, office::ParadoxShort, 2}, {u"I"_s, office::ParadoxLong, 4},
        {u"N"_s, office::ParadoxNumber, 8}, {u"M"_s, office::ParadoxCurrency, 8},
        {u"L"_s, office::ParadoxLogical, 1}};
    const std::vector<QVariantList> records {
        {u"ДЮНА 5"_s, -315, 70000, 0.0, 1234.5, false},
        {QVariant(), QVariant(), QVariant(), QVariant(), QVariant(), QVariant()},
        {u"Ёё №"_s, 0, -1, -2.25, 0.0, true},
    };
    paradoxwriter::writeTable(path, fields, records);
    const office::ParadoxTable table = office::readParadoxTable(path);
    ASSERT_EQ(table.fields.size(), fields.size());
    EXPECT_EQ(table.fields[0].name, u"Название"_s);
    EXPECT_EQ(office::paradoxTypeText(table.fields[0]), u"A20"_s);
    ASSERT_EQ(table.records.size(), records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        for (size_t f = 0; f < fields.size(); ++f) {
            SCOPED_TRACE(testing::Message() << "record " << r << " field " << f);
            const QVariant& got = table.records[r][qsizetype(f)];
            const QVariant& wanted = records[r][qsizetype(f)];
            EXPECT_EQ(got.isNull(), wanted.isNull());
            if (!wanted.isNull()) {
                EXPECT_EQ(got.toString(), wanted.toString());
            }
        }
    }
}

// The import into either engine gives the program the records of the original, in its order.
class ParadoxIntoStore : public storeengines::StoreEngineTest { };

TEST_P(ParadoxIntoStore, RecordsAsInTheOriginal)
{
    QTemporaryDir dir;
    paradoxcatalogue::writeBundledFanTables(QDir(dir.path()), 40);
    const office::ParadoxImportPlan plan = office::prepareParadoxFolder(dir.path());
    store::writeCatalogue(plan.tables, config());
    reconnect();
    store::AliasConfig bundled;
    bundled.database = paradoxcatalogue::bundledCatalogue();
    store::OwnConnection original(bundled);
    for (const auto kind : {fans::CatalogueKind::General, fans::CatalogueKind::Smoke}) {
        const auto wanted = fans::FanCatalogue::load(original.db(), kind);
        const auto got = fans::FanCatalogue::load(db(), kind);
        ASSERT_EQ(got.size(), 40u);
        for (size_t i = 0; i < got.size(); ++i) {
            SCOPED_TRACE(wanted[i].name.toStdString());
            EXPECT_EQ(got[i].name, wanted[i].name);
            EXPECT_EQ(got[i].manualName, wanted[i].manualName);
            EXPECT_EQ(got[i].ny, wanted[i].ny);
            EXPECT_EQ(std::tuple(got[i].krugl, got[i].krysh, got[i].podpor, got[i].fazkol, got[i].davlen,
                          got[i].autoName, got[i].stoikost),
                std::tuple(wanted[i].krugl, wanted[i].krysh, wanted[i].podpor, wanted[i].fazkol,
                    wanted[i].davlen, wanted[i].autoName, wanted[i].stoikost));
            EXPECT_EQ(std::tuple(got[i].a, got[i].b, got[i].d, got[i].n, got[i].polus),
                std::tuple(wanted[i].a, wanted[i].b, wanted[i].d, wanted[i].n, wanted[i].polus));
            EXPECT_DOUBLE_EQ(got[i].money, wanted[i].money);
            EXPECT_DOUBLE_EQ(got[i].massa, wanted[i].massa);
            EXPECT_EQ(got[i].columns, wanted[i].columns);
            EXPECT_EQ(got[i].pointCount, wanted[i].pointCount);
        }
    }
}

ZFN_ON_EVERY_ENGINE(ParadoxIntoStore);

} // namespace
