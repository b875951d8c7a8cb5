#include "smoke/SmokeProjectFile.h"
#include "smoke/SmokeFixtures.h"
#include "smoke/SmokeWizard.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace smoke;
using namespace Qt::StringLiterals;

namespace {

// The corridor project as typed where the separator is ",".
SmokeProject commaProject()
{
    SmokeProject p = corridorProject();
    for (QString* text : {&p.doorHeight, &p.doorWidth, &p.heightDifference, &p.branchLength, &p.branchArea,
             &p.valveArea, &p.outletDiameter, &p.outletResistance})
        text->replace(u'.', u',');
    QList<sections::SectionRow> rows = p.sections.rows();
    for (auto& row : rows) {
        for (QString& cell : row)
            cell.replace(u'.', u',');
    }
    p.sections.setRows(rows);
    return p;
}

const QStringList readError
    = {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s};

} // namespace

TEST(SmokeProjectFileTest, RecordIsByteExactAndReadsBackUnderAnotherSeparator)
{
    const QByteArray bytes = fixtureBytes(u"smoke"_s, u"comma.smkprj"_s);
    const SmokeProjectEncoding encoded = encodeSmokeProject(commaProject(), QLatin1Char(','));
    ASSERT_TRUE(encoded.record);
    EXPECT_EQ(*encoded.record, bytes);

    const std::optional<SmokeProject> loaded = decodeSmokeProject(bytes, dot);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, corridorProject());
    // Bytes after the record are not looked at; the result is the same as typing the inputs.
    EXPECT_EQ(decodeSmokeProject(bytes + QByteArray(7, 'x'), dot), corridorProject());
}

TEST(SmokeProjectFileTest, EmptyTableTravelsAsOneEmptyRow)
{
    const QByteArray bytes = fixtureBytes(u"smoke"_s, u"empty-table.smkprj"_s);
    SmokeProject p = commaProject();
    p.sections = sections::SectionTable();
    EXPECT_EQ(*encodeSmokeProject(p, QLatin1Char(',')).record, bytes);
    const auto loaded = decodeSmokeProject(bytes, QLatin1Char(','));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->sections, sections::SectionTable());

    // A blanked section (removed last) saves and loads back as it was.
    sections::SectionTable blanked;
    blanked.remove(0, QLatin1Char(','));
    p.sections = blanked;
    EXPECT_EQ(decodeSmokeProject(*encodeSmokeProject(p, QLatin1Char(',')).record, QLatin1Char(','))->sections,
        blanked);
}

TEST(SmokeProjectFileTest, SaveLoadSaveGivesTheSameBytes)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(u"first.smkprj"_s);
    const QString second = dir.filePath(u"second.smkprj"_s);
    ASSERT_FALSE(saveProjectFile(smokeProjectFile(), first, corridorProject(), dot));
    const ProjectLoad<SmokeProject> load = loadProjectFile(smokeProjectFile(), first, QLatin1Char(','));
    ASSERT_TRUE(load.project);
    ASSERT_FALSE(saveProjectFile(smokeProjectFile(), second, *load.project, QLatin1Char(',')));
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST(SmokeProjectFileTest, MissingShortOrInconsistentFilesGiveTheMessages)
{
    QTemporaryDir dir;
    EXPECT_EQ(loadProjectFile(smokeProjectFile(), dir.filePath(u"none.smkprj"_s), dot).messages,
        QStringList {u"Выберите существующий файл с расширением *.smkprj"_s});

    const QByteArray good = fixtureBytes(u"smoke"_s, u"comma.smkprj"_s);
    QByteArray fewerAreas = good;
    // The area list (offset 1027) holds one item where the length list holds two.
    const QByteArray oneArea = "\x05"
                               "1!_!2;";
    fewerAreas.replace(1027, 256, QByteArray(oneArea + QByteArray(256 - oneArea.size(), 0)));
    QByteArray badIndex = good;
    badIndex[400] = 9; // combustible beyond the four items
    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty", {}},
        {"short", good.left(smokeProjectRecordSize - 1)},
        {"fewer areas than lengths", fewerAreas},
        {"choice out of range", badIndex},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath(QString::fromLatin1(c.what) + u".smkprj"_s);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.bytes);
        file.close();
        const ProjectLoad<SmokeProject> load = loadProjectFile(smokeProjectFile(), path, dot);
        EXPECT_FALSE(load.project) << c.what;
        EXPECT_EQ(load.messages, readError) << c.what;
    }
}

TEST(SmokeProjectFileTest, TableTooLongForItsFieldsIsNotSaved)
{
    SmokeProject p = corridorProject();
    QList<sections::SectionRow> rows;
    for (int i = 0; i < 40; ++i)
        rows.append(sectionRow(u"1.25"_s, u"3.5"_s, u"0.1234"_s, u"Штукатурка"_s, u"2.7"_s, u"0"_s));
    p.sections.setRows(rows);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"long.smkprj"_s);
    const std::optional<QString> message = saveProjectFile(smokeProjectFile(), path, p, dot);
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->contains(u"не помещается в файл проекта"_s)) << message->toStdString();
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SmokeProjectFileTest, LoaderSurvivesArbitraryBytes)
{
    QRandomGenerator random(1234);
    const QByteArray good = fixtureBytes(u"smoke"_s, u"comma.smkprj"_s);
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes = good;
        const int flips = 1 + random.bounded(40);
        for (int i = 0; i < flips; ++i)
            bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
        if (round % 10 == 0)
            bytes = QByteArray(smokeProjectRecordSize, static_cast<char>(random.bounded(256)));
        if (const auto project = decodeSmokeProject(bytes, dot)) {
            // Whatever loads can be stepped through without a crash, NaN or infinity.
            const SmokeRun run = runSmokeProject(*project, dot);
            EXPECT_FALSE(run.wizard.report().document().contains("nan"));
        }
    }
}
