#include "pressurization/SupplyProjectFile.h"
#include "SupplyFixtures.h"
#include "pressurization/SupplyWizard.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace pressurization;
using namespace Qt::StringLiterals;

namespace {

constexpr QChar dot = QLatin1Char('.');
constexpr QChar comma = QLatin1Char(',');

// A zone project as typed where the separator is ",": two sections in the table of fan 3.
SupplyProject commaProject()
{
    SupplyProject p = projectWithDucts();
    p.projectName = u"Корпус 2"_s;
    p.outdoorTemperature = u"-2,5"_s;
    p.windSpeed = u"3,5"_s;
    p.floors = u"24"_s;
    p.doors = u"8"_s;
    p.lifts = u"3"_s;
    p.tambour = 1;
    p.schemeShaft = false;
    p.schemeZones = true;
    p.zoneFloors = u"7"_s;
    sections::SectionEntry grille;
    grille.area = 0.75;
    grille.length = 0.5;
    grille.coefficient = 0.5615;
    grille.material = u"Бетон"_s;
    grille.roughness = 1.7;
    grille.kind = sections::FittingKind::Diffuser;
    grille.parameter = 0.8;
    p.sections[2].add(grille, comma);
    return p;
}

std::string lists(const QByteArray& record, int offset)
{
    const int length = static_cast<unsigned char>(record[offset]);
    return record.mid(offset + 1, length).toStdString();
}

qint32 int32At(const QByteArray& record, int offset)
{
    return qFromLittleEndian<qint32>(record.constData() + offset);
}

TEST(SupplyProjectFileTest, RecordLayout)
{
    const SupplyProjectEncoding encoded = encodeSupplyProject(commaProject(), comma);
    ASSERT_TRUE(encoded.record);
    const QByteArray& r = *encoded.record;
    ASSERT_EQ(r.size(), supplyProjectRecordSize);
    EXPECT_EQ(static_cast<unsigned char>(r[0]), 8); // code page 1251: one byte a letter
    EXPECT_EQ(lists(r, 101), "-2!_!5");
    EXPECT_EQ(lists(r, 118), "3!_!5");
    EXPECT_EQ(lists(r, 135), "3");
    EXPECT_EQ(lists(r, 186), "5000");
    EXPECT_EQ(r[203], '\0');
    EXPECT_EQ(int32At(r, 204), 1);
    EXPECT_EQ(int32At(r, 208), 24);
    EXPECT_EQ(int32At(r, 212), 8);
    EXPECT_EQ(int32At(r, 216), 3);
    EXPECT_EQ(r.mid(220, 4), QByteArray("\0\0\0\1", 4));
    EXPECT_EQ(int32At(r, 224), 7);
    EXPECT_EQ(lists(r, 228), "10;");
    EXPECT_EQ(lists(r, 484), "0!_!5;");
    EXPECT_EQ(lists(r, 4324), "10;0!_!5;");
    EXPECT_EQ(lists(r, 4836), "0;0!_!5615;");
    EXPECT_EQ(lists(r, 5604), "0;2;");
    EXPECT_EQ(lists(r, 6116), "1;1;");

    // Read back where the separator is ".": the same inputs with "." typed.
    const std::optional<SupplyProject> loaded = decodeSupplyProject(r + "tail", dot);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->outdoorTemperature, u"-2.5"_s);
    EXPECT_EQ(loaded->sections[2].row(1)[sections::CoefficientColumn], u"0.5615"_s);
    EXPECT_EQ(loaded->zoneFloors, u"7"_s);
    EXPECT_EQ(*encodeSupplyProject(*loaded, dot).record, r);
}

TEST(SupplyProjectFileTest, WholeNumberBoxesWithoutAWholeNumberKeepTheirLowerLimit)
{
    SupplyProject p;
    p.floors = u"x"_s;
    p.doors = u"2.5"_s;
    p.lifts = u""_s;
    p.zoneFloors = u"-"_s;
    const QByteArray r = *encodeSupplyProject(p, dot).record;
    EXPECT_EQ(int32At(r, 208), 0);
    EXPECT_EQ(int32At(r, 212), 4);
    EXPECT_EQ(int32At(r, 216), 2);
    EXPECT_EQ(int32At(r, 224), 0);
}

TEST(SupplyProjectFileTest, SaveLoadSaveAndRefusals)
{
    QTemporaryDir dir;
    const QString first = dir.filePath(u"a.podporprj"_s), second = dir.filePath(u"b.podporprj"_s);
    ASSERT_FALSE(saveProjectFile(supplyProjectFile(), first, commaProject(), comma));
    const ProjectLoad<SupplyProject> load = loadProjectFile(supplyProjectFile(), first, comma);
    ASSERT_TRUE(load.project);
    EXPECT_EQ(load.project->projectName, u"Корпус 2"_s);
    EXPECT_EQ(load.project->windSpeed, u"3,5"_s);
    EXPECT_TRUE(load.project->schemeZones);
    EXPECT_EQ(load.project->sections[2].rowCount(), 2);
    ASSERT_FALSE(saveProjectFile(supplyProjectFile(), second, *load.project, comma));
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray bytes = a.readAll();
    EXPECT_EQ(bytes, b.readAll());

    const QStringList readError
        = {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s};
    const QString shortFile = dir.filePath(u"short.podporprj"_s);
    QFile out(shortFile);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(supplyProjectRecordSize - 1));
    out.close();
    EXPECT_EQ(loadProjectFile(supplyProjectFile(), shortFile, dot).messages, readError);
    EXPECT_EQ(loadProjectFile(supplyProjectFile(), dir.filePath(u"none.podporprj"_s), dot).messages,
        QStringList {u"Выберите существующий файл с расширением *.podporprj"_s});

    // A table too long for its fields is refused and the file on disk stays as it was.
    SupplyProject tooLong = commaProject();
    QList<sections::SectionRow> rows;
    for (int i = 0; i < 60; ++i)
        rows << straightDuctTable().row(0);
    tooLong.sections[1].setRows(rows);
    const std::optional<QString> refused = saveProjectFile(supplyProjectFile(), first, tooLong, comma);
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->startsWith(u"Таблица участков вентилятора 2 не помещается в файл проекта"_s));
    ASSERT_TRUE(a.seek(0));
    EXPECT_EQ(a.readAll(), bytes);
}

TEST(SupplyProjectFileTest, LoaderSurvivesArbitraryBytes)
{
    QRandomGenerator random(4321);
    const QByteArray good = *encodeSupplyProject(commaProject(), dot).record;
    for (int round = 0; round < 1000; ++round) {
        QByteArray bytes = good;
        const int flips = 1 + random.bounded(40);
        for (int i = 0; i < flips; ++i)
            bytes[random.bounded(bytes.size())] = static_cast<char>(random.bounded(256));
        if (round % 10 == 0)
            bytes = QByteArray(supplyProjectRecordSize, static_cast<char>(random.bounded(256)));
        if (const auto project = decodeSupplyProject(bytes, dot)) {
            // Whatever loads steps through without a crash, NaN or infinity.
            const SupplyRun run = runSupplyProject(*project, dot);
            if (run.wizard.result()) {
                for (const SupplyFan& fan : run.wizard.result()->fans)
                    EXPECT_TRUE(std::isfinite(fan.flow) && std::isfinite(fan.pressure));
            }
        }
    }
}

} // namespace
