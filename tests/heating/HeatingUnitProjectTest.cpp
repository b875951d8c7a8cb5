#include "heating/HeatingUnitProject.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace heating;
using namespace Qt::StringLiterals;

namespace {

// The project the fixture holds, with the box texts as typed where the separator is ",".
HeatingUnitProject commaProject()
{
    HeatingUnitProject p;
    p.projectName = u"Склад №2"_s;
    p.buildingType = 1;
    p.tv = u"18,5"_s;
    p.tn = u"-25"_s;
    p.tw1 = u"95"_s;
    p.tw2 = u"70"_s;
    p.angleItem = 2;
    p.mode = 1;
    p.volume = u"1500"_s;
    p.demand = u"120,75"_s;
    p.gains = u"7,5"_s;
    return p;
}

TEST(HeatingUnitProjectTest, RecordIsByteExactAndReadsBackUnderAnotherSeparator)
{
    const QByteArray bytes = fixtureBytes(u"heating"_s, u"comma.lumaprj"_s);
    EXPECT_EQ(encodeHeatingUnitProject(commaProject(), QLatin1Char(',')), bytes);

    const std::optional<HeatingUnitProject> loaded = decodeHeatingUnitProject(bytes, QLatin1Char('.'));
    ASSERT_TRUE(loaded.has_value());
    HeatingUnitProject expected = commaProject();
    expected.tv = u"18.5"_s;
    expected.demand = u"120.75"_s;
    expected.gains = u"7.5"_s;
    EXPECT_EQ(*loaded, expected);

    // Bytes after the first record are not looked at.
    EXPECT_EQ(decodeHeatingUnitProject(bytes + QByteArray(10, 'x'), QLatin1Char('.')), expected);
}

TEST(HeatingUnitProjectTest, LongTextsAreCutToTheirFields)
{
    HeatingUnitProject p;
    p.projectName = QString(120, u'Ж');
    p.tv = u"12345678901234567890"_s;
    const QByteArray bytes = encodeHeatingUnitProject(p, QLatin1Char('.'));
    ASSERT_EQ(bytes.size(), heatingProjectRecordSize);
    const auto loaded = decodeHeatingUnitProject(bytes, QLatin1Char('.'));
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(loaded->projectName, QString(100, u'Ж'));
    EXPECT_EQ(loaded->tv, u"1234567890123456");
}

TEST(HeatingUnitProjectTest, ShortEmptyOrMissingFilesGiveTheProgramsMessages)
{
    const QStringList readError
        = {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s};
    QTemporaryDir dir;
    const QString empty = dir.filePath(u"empty.lumaprj"_s);
    QFile(empty).open(QIODevice::WriteOnly);
    const QString corrupt = dir.filePath(u"corrupt.lumaprj"_s);
    {
        // A length byte beyond its field's capacity.
        QFile file(corrupt);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(heatingProjectRecordSize, char(0xFF)));
    }
    const struct {
        QString path;
        QStringList messages;
    } cases[] = {
        {testSourcePath(u"heating/fixtures/short.lumaprj"_s), readError},
        {empty, readError},
        {corrupt, readError},
        {dir.filePath(u"absent.lumaprj"_s), {u"Выберите существующий файл с расширением *.lumaprj"_s}},
        {dir.path(), {u"Выберите существующий файл с расширением *.lumaprj"_s}},
    };
    for (const auto& c : cases) {
        const ProjectLoad<HeatingUnitProject> load
            = loadProjectFile(heatingProjectFile(), c.path, QLatin1Char('.'));
        EXPECT_FALSE(load.project.has_value()) << c.path.toStdString();
        EXPECT_EQ(load.messages, c.messages) << c.path.toStdString();
    }
}

TEST(HeatingUnitProjectTest, SavingReplacesTheFileAndAFailedSaveKeepsTheOldOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"p.lumaprj"_s);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(500, 'x'));
    }
    EXPECT_FALSE(saveProjectFile(heatingProjectFile(), path, commaProject(), QLatin1Char(',')).has_value());
    EXPECT_EQ(fixtureBytes(u"heating"_s, u"comma.lumaprj"_s), [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }());
    EXPECT_TRUE(saveProjectFile(
        heatingProjectFile(), dir.filePath(u"no/such/folder/p.lumaprj"_s), commaProject(), QLatin1Char(','))
                    .has_value());
}

TEST(HeatingUnitProjectTest, ArbitraryBytesNeverBreakTheReader)
{
    QRandomGenerator random(20261210);
    const QByteArray valid = fixtureBytes(u"heating"_s, u"comma.lumaprj"_s);
    for (int trial = 0; trial < 2000; ++trial) {
        QByteArray bytes;
        if (trial % 2 == 0) {
            bytes.resize(random.bounded(0, 300));
            for (char& byte : bytes)
                byte = static_cast<char>(random.bounded(256));
        } else {
            // A sound record with a few bytes changed: length bytes and integers out of their range.
            bytes = valid;
            for (int i = 0; i < 4; ++i)
                bytes[random.bounded(static_cast<int>(bytes.size()))]
                    = static_cast<char>(random.bounded(256));
        }
        const auto project = decodeHeatingUnitProject(bytes, QLatin1Char('.'));
        if (project) {
            EXPECT_LE(project->projectName.size(), heatingProjectNameCapacity);
            EXPECT_LE(project->tv.size(), heatingProjectNumberCapacity);
        }
    }
}

} // namespace
