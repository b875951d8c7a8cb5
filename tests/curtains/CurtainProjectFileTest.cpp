#include "curtains/CurtainProjectFile.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace curtains;
using namespace Qt::StringLiterals;

namespace {

// What the fixtures hold, as typed where the separator is ",".
CurtainProject commaProject(Series series)
{
    CurtainProject p = defaultCurtainProject(series);
    p.projectName = u"Склад №2"_s;
    p.buildingType = 1;
    p.B = u"2,5"_s;
    p.H = u"3,2"_s;
    p.tv = u"18"_s;
    p.tn = u"-25"_s;
    p.tc = u"12,5"_s;
    p.v = u"3"_s;
    p.placement = 0;
    p.posts = 1;
    p.tw1 = u"95"_s;
    p.tw2 = u"70"_s;
    switch (series) {
    case Series::Ork:
        p.heaterType = 1;
        p.heaterRows = 1;
        p.powerStep = 0;
        break;
    case Series::Tem:
        p.heaterType = 2;
        p.heaterRows = 1;
        p.blockLimit = 0;
        p.smallestBlock = 3;
        break;
    case Series::Pln:
        p.mayExtend = false;
        p.heaterType = 2;
        break;
    }
    return p;
}

struct SeriesFile {
    Series series;
    const char* file;
};
constexpr SeriesFile seriesFiles[]
    = {{Series::Ork, "comma.orkprj"}, {Series::Tem, "comma.temprj"}, {Series::Pln, "comma.ternaprj"}};

TEST(CurtainProjectFileTest, RecordsAreByteExactAndReadBackUnderAnotherSeparator)
{
    for (const SeriesFile& s : seriesFiles) {
        SCOPED_TRACE(s.file);
        const QByteArray bytes = fixtureBytes(u"curtains"_s, QString::fromLatin1(s.file));
        ASSERT_EQ(bytes.size(), curtainRecordSize(s.series));
        EXPECT_EQ(encodeCurtainProject(s.series, commaProject(s.series), QLatin1Char(',')), bytes);

        const auto loaded = decodeCurtainProject(s.series, bytes, QLatin1Char('.'));
        ASSERT_TRUE(loaded.has_value());
        CurtainProject expected = commaProject(s.series);
        expected.B = u"2.5"_s;
        expected.H = u"3.2"_s;
        expected.tc = u"12.5"_s;
        EXPECT_EQ(*loaded, expected);
        // Save, load, save again: the same bytes; bytes after the record are not looked at.
        EXPECT_EQ(encodeCurtainProject(s.series, *loaded, QLatin1Char('.')), bytes);
        EXPECT_EQ(decodeCurtainProject(s.series, bytes + QByteArray(9, 'x'), QLatin1Char('.')), expected);
    }
}

TEST(CurtainProjectFileTest, LongNamesAreCutAndOnlyByteOneSelectsOverhang)
{
    CurtainProject p = defaultCurtainProject(Series::Pln);
    p.projectName = QString(120, u'Ж');
    QByteArray bytes = encodeCurtainProject(Series::Pln, p, QLatin1Char('.'));
    EXPECT_EQ(bytes.at(220), 1);
    EXPECT_EQ(decodeCurtainProject(Series::Pln, bytes, QLatin1Char('.'))->projectName, QString(100, u'Ж'));
    for (const char flag : {0, 2, -1}) {
        bytes[220] = flag;
        EXPECT_FALSE(decodeCurtainProject(Series::Pln, bytes, QLatin1Char('.'))->mayExtend) << int(flag);
    }
}

TEST(CurtainProjectFileTest, MissingShortAndEmptyFilesGiveTheProgramsMessages)
{
    const QStringList readError
        = {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s};
    QTemporaryDir dir;
    const QString empty = dir.filePath(u"empty.temprj"_s);
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_EQ(loadProjectFile(curtainProjectFile(Series::Tem), empty, QLatin1Char('.')).messages, readError);
    EXPECT_EQ(loadProjectFile(curtainProjectFile(Series::Ork),
                  testSourcePath(u"curtains/fixtures/short.orkprj"_s), QLatin1Char('.'))
                  .messages,
        readError);
    EXPECT_EQ(
        loadProjectFile(curtainProjectFile(Series::Pln), dir.filePath(u"none.ternaprj"_s), QLatin1Char('.'))
            .messages,
        QStringList {u"Выберите существующий файл с расширением *.ternaprj"_s});
    // A file of another series long enough is read at this series' offsets.
    const auto other = loadProjectFile(curtainProjectFile(Series::Pln),
        testSourcePath(u"curtains/fixtures/comma.orkprj"_s), QLatin1Char('.'));
    ASSERT_TRUE(other.project.has_value());
    EXPECT_EQ(other.project->B, u"2.5");
}

TEST(CurtainProjectFileTest, SaveReplacesTheFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"a.orkprj"_s);
    const CurtainProject p = commaProject(Series::Ork);
    ASSERT_FALSE(saveProjectFile(curtainProjectFile(Series::Ork), path, p, QLatin1Char(',')));
    const auto loaded = loadProjectFile(curtainProjectFile(Series::Ork), path, QLatin1Char(','));
    ASSERT_TRUE(loaded.project.has_value());
    EXPECT_EQ(*loaded.project, p);
    // A folder in the way: the save fails and says so.
    EXPECT_TRUE(saveProjectFile(curtainProjectFile(Series::Ork), dir.path(), p, QLatin1Char(',')));
}

TEST(CurtainProjectFileTest, LoadersSurviveArbitraryBytes)
{
    QRandomGenerator random(17);
    for (int round = 0; round < 3000; ++round) {
        for (const SeriesFile& s : seriesFiles) {
            QByteArray bytes = fixtureBytes(u"curtains"_s, QString::fromLatin1(s.file));
            if (round % 2 == 0) {
                for (int i = 0; i < 12; ++i)
                    bytes[random.bounded(static_cast<int>(bytes.size()))]
                        = static_cast<char>(random.bounded(256));
            } else {
                bytes = QByteArray(random.bounded(300), Qt::Uninitialized);
                for (char& c : bytes)
                    c = static_cast<char>(random.bounded(256));
            }
            const auto project = decodeCurtainProject(s.series, bytes, QLatin1Char(','));
            if (project) {
                // Whatever was read saves to a record that loads and saves to the same bytes.
                const QByteArray saved = encodeCurtainProject(s.series, *project, QLatin1Char(','));
                const auto again = decodeCurtainProject(s.series, saved, QLatin1Char(','));
                ASSERT_TRUE(again.has_value());
                EXPECT_EQ(encodeCurtainProject(s.series, *again, QLatin1Char(',')), saved);
            }
        }
    }
}

} // namespace
