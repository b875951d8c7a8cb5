#include "unit/UnitProjectFile.h"
#include "support/TestSupport.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace unit;
using namespace Qt::StringLiterals;

namespace {

// The project the fixture holds, as a window on a "," machine typed it.
UnitProject fixtureProject()
{
    UnitProject p;
    p.projectName = u"Приточка П1 корпус 2"_s;
    p.flow = u"3500"_s;
    p.freePressure = u"150,5"_s;
    p.airIn = u"-26,5"_s;
    p.airOut = u"21"_s;
    p.maxSpeed = u"3,2"_s;
    p.waterIn = u"95"_s;
    p.waterOut = u"70"_s;
    p.waterHeaterTicks = u"0;2;"_s;
    p.electricHeaterTicks = u"1;"_s;
    p.heaterColumn = 3;
    p.valveTicks = u"0;1;"_s;
    p.filterTicks = u"2;"_s;
    p.silencerTicks = u"0;"_s;
    p.connectorTicks = u"0;"_s;
    p.coolerFlow = u"4200"_s;
    p.coolerAirIn = u"33,5"_s;
    p.coolerAirOut = u"17"_s;
    p.humidity = u"65"_s;
    p.coolerSeries = 0;
    return p;
}

} // namespace

TEST(UnitProjectFile, FixtureBytesAreTheLayoutOnEitherSeparator)
{
    const QString fixture = testSourcePath(u"unit/fixtures/comma.pritochprj"_s);
    EXPECT_EQ(encodeUnitProject(fixtureProject(), u','), fileBytes(fixture));

    // Loaded where the separator is ".", fractional inputs come back with it.
    const UnitProjectLoad load = loadUnitProject(fixture, u'.');
    ASSERT_TRUE(load.project);
    EXPECT_EQ(load.project->freePressure, u"150.5"_s);
    EXPECT_EQ(load.project->airIn, u"-26.5"_s);
    EXPECT_EQ(load.project->coolerAirIn, u"33.5"_s);
    EXPECT_EQ(load.project->heaterColumn, 3);
    EXPECT_EQ(load.project->coolerSeries, 0);
    EXPECT_EQ(loadUnitProject(fixture, u',').project, fixtureProject());
}

// What the window shows beyond the record (piece counts, a calculation from the page without heating and
// cooling) follows it in a block of its own; a file of the record alone loads as before.
TEST(UnitProjectFile, WindowStateFollowsTheRecord)
{
    UnitProject shown = fixtureProject();
    shown.windowState = UnitWindowState {{1, 3, 1}, {2}, 7, u"3,5"_s};
    const QString fixture = testSourcePath(u"unit/fixtures/counts.pritochprj"_s);
    EXPECT_EQ(encodeUnitProject(shown, u','), fileBytes(fixture));
    EXPECT_EQ(fileBytes(fixture).left(unitProjectRecordSize),
        fileBytes(testSourcePath(u"unit/fixtures/comma.pritochprj"_s)));
    EXPECT_EQ(loadUnitProject(fixture, u',').project, shown);
    EXPECT_EQ(loadUnitProject(fixture, u'.').project->windowState->plainMaxSpeed, u"3.5"_s);

    const UnitProjectLoad old = loadUnitProject(testSourcePath(u"unit/fixtures/comma.pritochprj"_s), u',');
    ASSERT_TRUE(old.project);
    EXPECT_FALSE(old.project->windowState);

    const QByteArray record = encodeUnitProject(fixtureProject(), u'.');
    const QByteArray block = encodeUnitProject(shown, u'.').mid(unitProjectRecordSize);
    const QByteArray tail = QByteArray::fromHex("00000000"
                                                "00"
                                                "00000000000000000000000000000000");
    const struct {
        const char* what;
        QByteArray bytes;
        bool loads;
        bool state;
    } cases[] = {
        {"bytes after the record that are no block", record + QByteArray("anything"), true, false},
        {"empty lists",
            record + QByteArray("PRT1")
                + QByteArray::fromHex("00000000"
                                      "00000000")
                + tail,
            true, true},
        {"a block cut short", record + block.chopped(1), false, false},
        {"a block with more after it", record + block + QByteArray(1, '\0'), false, false},
        {"a count of 0",
            record + QByteArray("PRT1")
                + QByteArray::fromHex("01000000"
                                      "00000000"
                                      "00000000")
                + tail,
            false, false},
        {"a count of 11",
            record + QByteArray("PRT1")
                + QByteArray::fromHex("01000000"
                                      "0b000000"
                                      "00000000")
                + tail,
            false, false},
        {"a negative length",
            record + QByteArray("PRT1")
                + QByteArray::fromHex("ffffffff"
                                      "00000000")
                + tail,
            false, false},
        {"a negative section",
            record + QByteArray("PRT1")
                + QByteArray::fromHex("00000000"
                                      "00000000"
                                      "ffffffff"
                                      "00")
                + QByteArray(16, '\0'),
            false, false},
    };
    for (const auto& c : cases) {
        const std::optional<UnitProject> p = decodeUnitProject(c.bytes, u'.');
        EXPECT_EQ(p.has_value(), c.loads) << c.what;
        if (p) {
            EXPECT_EQ(p->windowState.has_value(), c.state) << c.what;
        }
    }
}

TEST(UnitProjectFile, SaveLoadSaveIsIdenticalAndNamesAreCut)
{
    QTemporaryDir dir;
    UnitProject p = fixtureProject();
    p.projectName = QString(120, u'Ж');
    const QString first = dir.filePath(u"a.pritochprj"_s);
    const QString second = dir.filePath(u"b.pritochprj"_s);
    ASSERT_TRUE(saveUnitProject(first, p, u','));
    const UnitProjectLoad load = loadUnitProject(first, u',');
    ASSERT_TRUE(load.project);
    EXPECT_EQ(load.project->projectName, QString(100, u'Ж'));
    ASSERT_TRUE(saveUnitProject(second, *load.project, u','));
    EXPECT_EQ(fileBytes(first), fileBytes(second));
    EXPECT_EQ(fileBytes(first).size(), unitProjectRecordSize);
    EXPECT_EQ(quint8(fileBytes(first).at(0)), 100);
}

TEST(UnitProjectFile, UnreadableFilesChangeNothing)
{
    QTemporaryDir dir;
    const QStringList readError {
        u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s};
    EXPECT_EQ(loadUnitProject(testSourcePath(u"unit/fixtures/short.pritochprj"_s), u'.').messages, readError);
    EXPECT_EQ(loadUnitProject(dir.filePath(u"none.pritochprj"_s), u'.').messages,
        QStringList {u"Выберите существующий файл с расширением *.pritochprj"_s});

    // A length byte beyond its field's capacity is a damaged record.
    QByteArray bytes = encodeUnitProject(fixtureProject(), u'.');
    bytes[101] = char(17);
    EXPECT_FALSE(decodeUnitProject(bytes, u'.'));

    // A save that cannot be written is reported.
    const SaveOutcome failed
        = saveUnitProject(dir.filePath(u"no/such/folder/x.pritochprj"_s), fixtureProject(), u',');
    EXPECT_FALSE(failed);
    EXPECT_FALSE(failed.error().isEmpty());
}

TEST(UnitProjectFile, ArbitraryBytesNeverCrashTheReader)
{
    QRandomGenerator random(15);
    const QByteArray sound = encodeUnitProject(fixtureProject(), u'.');
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = round % 2 ? sound : QByteArray(unitProjectRecordSize + round % 7, '\0');
        for (int i = 0; i < 40; ++i)
            bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
        if (const auto p = decodeUnitProject(bytes, u'.')) {
            EXPECT_LE(p->projectName.size(), 100);
        }
    }
}

TEST(UnitProjectFile, TickPositions)
{
    const struct {
        const char16_t* text;
        std::vector<int> positions;
    } cases[] = {{u"", {}}, {u"0;2;5;", {0, 2, 5}}, {u"3", {3}}, {u"1;1;x;4,7", {1, 4, 7}}, {u";;", {}}};
    for (const auto& c : cases)
        EXPECT_EQ(tickPositions(QString::fromUtf16(c.text)), c.positions)
            << QString::fromUtf16(c.text).toStdString();
    EXPECT_EQ(tickPositionsText({0, 2, 5}), u"0;2;5;"_s);
    EXPECT_EQ(tickPositionsText({}), QString());
}
