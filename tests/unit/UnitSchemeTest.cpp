#include "unit/UnitScheme.h"
#include "common/CatalogueStore.h"
#include "common/StoreDialect.h"
#include "common/StoreQuery.h"
#include "unit/WorkingTables.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace unit;
using namespace Qt::StringLiterals;

namespace {

SchemeRow row(const QString& name, const QString& tip, const QString& model, const QString& length,
    const QString& count)
{
    SchemeRow r;
    r.name = name;
    r.tip = tip;
    r.model = model;
    r.length = length;
    r.count = count;
    return r;
}

UnitElementRow element(
    const QString& name, const QString& tip, const QString& model, double length, int count)
{
    return {name, tip, model, 0, length, u"600*300"_s, 0, count};
}

// The positions RepRrSst holds, by NAME.
QMap<QString, int> storedPositions()
{
    store::StoreQuery q(store::workingDatabase(), u"SELECT * FROM reprrsst"_s);
    QMap<QString, int> positions;
    while (q.next())
        positions.insert(q.text(u"NAME"_s), q.integer(u"PoryadokNum"_s));
    return positions;
}

} // namespace

TEST(SchemeLines, OneLinePerPieceAndNoneForTheCondensingUnit)
{
    const std::vector<SchemeRow> rows {row(u"Жалюзи"_s, u"Наружная"_s, u"ЖН 60-30"_s, u"100"_s, u"1"_s),
        row(u"Глушитель"_s, u"Пластинчатый"_s, u"ГП-500 60-30"_s, u"500"_s, u"2"_s),
        row(u"ККБ"_s, u"Фреоновый"_s, u"KKB-004"_s, u"0"_s, u"1"_s),
        row(u"Мягкая вставка"_s, u"Гибкая"_s, u"ВГ 60-30"_s, u"150"_s, u"0"_s),
        row(u"Фильтр"_s, u"Карманный"_s, u"ФК 60-30"_s, u"600"_s, u"-3"_s)};
    const QString silencer = u"Глушитель: Пластинчатый - ГП-500 60-30 /500мм"_s;
    EXPECT_EQ(schemeLines(rows),
        (QStringList {u"Жалюзи: Наружная - ЖН 60-30 /100мм"_s, silencer, silencer,
            u"Мягкая вставка: Гибкая - ВГ 60-30 /150мм"_s, u"Фильтр: Карманный - ФК 60-30 /600мм"_s}));
    // Pieces count as many times as they are ordered; a count of 0 or less adds nothing.
    EXPECT_EQ(schemeLength(rows), 100 + 2 * 500);
    EXPECT_EQ(schemeLengthText(1100), u"Общая длина модульной системы: 1100 мм"_s);
    EXPECT_EQ(schemeCondensingUnit(rows), u"KKB-004"_s);
    EXPECT_EQ(schemeCondensingUnit({rows[0]}), std::nullopt);
}

TEST(SchemeLines, ReadBack)
{
    const struct {
        const char16_t* line;
        const char16_t* name;
        const char16_t* tip;
        const char16_t* model;
        const char16_t* length;
    } cases[] = {
        {u"Фильтр: Карманный засор - ФК 60-30 /600мм", u"Фильтр", u"Карманный засор", u"ФК 60-30", u"600"},
        // Only the first separator of each kind counts: the model may hold " - " itself.
        {u"Вентилятор: ВКП - 60-30 - 4Е /650мм", u"Вентилятор", u"ВКП", u"60-30 - 4Е", u"650"},
        {u"Клапан: Воздушный - КВ 1/2 /150мм", u"Клапан", u"Воздушный", u"КВ 1/2", u"150"},
        {u"Жалюзи: Наружная - ЖН /мм", u"Жалюзи", u"Наружная", u"ЖН", u""},
    };
    for (const auto& c : cases) {
        const SchemeLine line = readSchemeLine(QString::fromUtf16(c.line));
        EXPECT_EQ(line.name, QString::fromUtf16(c.name));
        EXPECT_EQ(line.tip, QString::fromUtf16(c.tip));
        EXPECT_EQ(line.model, QString::fromUtf16(c.model));
        EXPECT_EQ(line.length, QString::fromUtf16(c.length));
    }
    // A line written from a row reads back as that row.
    const SchemeRow r = row(u"Мягкая вставка"_s, u"Гибкая"_s, u"ВГ 60-30"_s, u"150"_s, u"1"_s);
    const SchemeLine back = readSchemeLine(schemeLines({r}).front());
    EXPECT_EQ(std::tuple(back.name, back.tip, back.model, back.length),
        std::tuple(r.name, r.tip, r.model, r.length));
}

TEST(SchemeStrip, UsedSlotsAreTheLinesAndTheDuct)
{
    const struct {
        int lines;
        int slots;
    } cases[] = {{0, 1}, {1, 2}, {5, 6}, {31, 32}, {32, 32}, {40, 32}, {-1, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(usedStripSlots(c.lines), c.slots) << c.lines << " lines";
}

TEST(SchemeStrip, PictureFiles)
{
    const struct {
        const char16_t* name;
        const char16_t* tip;
        const char16_t* model;
        const char16_t* file;
    } cases[] = {
        {u"Теплообменник", u"Водяной", u"ВНВ 60-30", u"Теплообменник.bmp"},
        {u"Вентилятор", u"ВКП", u"60-30", u"Вентилятор.bmp"},
        {u"Клапан", u"Обратный", u"КО 60-30", u"Клапан_Обратный.bmp"},
        {u"Фильтр", u"Карманный засор", u"ФК 60-30", u"Фильтр_Карманный засор.bmp"},
        {u"Глушитель", u"Пластинчатый", u"ГП-1000", u"Глушитель_ГП-1000.bmp"},
    };
    for (const auto& c : cases) {
        const SchemeLine line {
            QString::fromUtf16(c.name), QString::fromUtf16(c.tip), QString::fromUtf16(c.model), {}};
        EXPECT_EQ(piecePicture(line), QString::fromUtf16(c.file));
        EXPECT_EQ(piecePicture(line, true), u"Y_"_s + QString::fromUtf16(c.file));
    }
    EXPECT_EQ(ductPicture(u"600*300"_s), u"Kanal_600_300.bmp"_s);
    // The strip keeps the changed text; changing it again leaves it so.
    EXPECT_EQ(stripDuctSize(stripDuctSize(u"600*300"_s)), u"600_300"_s);
    EXPECT_EQ(ductPicture(u"600_300"_s), u"Kanal_600_300.bmp"_s);
    EXPECT_EQ(emptySlotPicture(false), u"default.bmp"_s);
    EXPECT_EQ(emptySlotPicture(true), u"w_default.bmp"_s);
    // Halves to even: 100/2 − 9 = 41; 179 − 2.5·9 = 156.5 → 156; 101/2 − 9 = 41.5 → 42.
    EXPECT_EQ(lengthTextPosition(100, 179, 9), QPoint(41, 156));
    EXPECT_EQ(lengthTextPosition(101, 170, 8), QPoint(42, 150));
}

TEST(SchemeMoves, StepsAndDrops)
{
    const QStringList lines {u"a"_s, u"b"_s, u"c"_s, u"d"_s};
    const struct {
        const char* what;
        MovedLines moved;
        QStringList lines;
        int selected;
    } cases[] = {
        {"down", stepLine(lines, 1, +1), {u"a"_s, u"c"_s, u"b"_s, u"d"_s}, 2},
        {"up", stepLine(lines, 1, -1), {u"b"_s, u"a"_s, u"c"_s, u"d"_s}, 0},
        {"up from the first", stepLine(lines, 0, -1), lines, 0},
        {"down from the last", stepLine(lines, 3, +1), lines, 3},
        {"dragged up", dropLine(lines, 3, 1), {u"a"_s, u"d"_s, u"b"_s, u"c"_s}, 1},
        {"dragged down", dropLine(lines, 0, 2), {u"b"_s, u"c"_s, u"a"_s, u"d"_s}, 2},
        {"dropped on itself", dropLine(lines, 2, 2), lines, 2},
        {"dropped below the last line", dropLine(lines, 1, -1), {u"a"_s, u"c"_s, u"d"_s, u"b"_s}, 3},
        {"dropped past the end", dropLine(lines, 0, 9), {u"b"_s, u"c"_s, u"d"_s, u"a"_s}, 3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.moved.lines, c.lines) << c.what;
        EXPECT_EQ(c.moved.selected, c.selected) << c.what;
    }
}

TEST(SchemeOrder, StoredAndReadBackInOrder)
{
    writeReportOrderTable(store::workingDatabase(),
        {element(u"Теплообменник"_s, u"Водяной"_s, u"ВНВ 60-30"_s, 250, 1),
            element(u"Глушитель"_s, u"Пластинчатый"_s, u"ГП-500 60-30"_s, 500, 2),
            element(u"Жалюзи"_s, u"Наружная"_s, u"ЖН 60-30"_s, 100, 1),
            element(u"Вентилятор"_s, u"ВКП"_s, u"60-30"_s, 650, 1)});
    // The default order: louvre, fan, heater, silencer.
    std::vector<SchemeRow> rows = readSchemeRows(store::workingDatabase());
    QStringList lines = schemeLines(rows);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines[0].startsWith(u"Жалюзи"_s));
    EXPECT_TRUE(lines[1].startsWith(u"Вентилятор"_s));
    EXPECT_EQ(schemeLength(rows), 100 + 650 + 250 + 1000);

    // One silencer piece moved to the front: the row keeps the place of its later line.
    lines = dropLine(lines, 3, 0).lines;
    storeSchemeOrder(store::workingDatabase(), lines);
    const QMap<QString, int> positions = storedPositions();
    EXPECT_EQ(positions.value(u"Глушитель"_s), 5);
    EXPECT_EQ(positions.value(u"Жалюзи"_s), 2);
    EXPECT_EQ(positions.value(u"Вентилятор"_s), 3);
    EXPECT_EQ(positions.value(u"Теплообменник"_s), 4);
    // On the next reading both pieces stand together at that place.
    rows = readSchemeRows(store::workingDatabase());
    EXPECT_EQ(schemeLines(rows).mid(3), QStringList(2, u"Глушитель: Пластинчатый - ГП-500 60-30 /500мм"_s));
}
