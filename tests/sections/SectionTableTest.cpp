#include "sections/SectionTable.h"
#include "common/NumberText.h"
#include "sections/SectionDialogInput.h"
#include "sections/SectionTableStep.h"

#include <gtest/gtest.h>

using namespace sections;
using namespace Qt::StringLiterals;

namespace {

const QChar comma = QLatin1Char(',');

SectionEntry entry(double area, double length, double coefficient = 0, int material = 0)
{
    SectionEntry e;
    e.area = area;
    e.length = length;
    e.coefficient = coefficient;
    e.material = shaftMaterials()[material].name;
    e.roughness = shaftMaterials()[material].roughness;
    return e;
}

QStringList cells(const SectionRow& row)
{
    return QStringList(row.begin(), row.end());
}

} // namespace

TEST(SectionTableTest, AddFillsTheEmptyRowThenAppendsNumberedRows)
{
    SectionTable table;
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(cells(table.row(0)), QStringList({u"1"_s, {}, {}, {}, {}, {}, {}, {}, {}}));
    EXPECT_FALSE(table.canEdit(0));

    SectionEntry bend = entry(0.785398, 0, 0.380000123, 2);
    bend.kind = FittingKind::Bend90;
    bend.parameter = 1.23456;
    table.add(bend, comma);
    ASSERT_EQ(table.rowCount(), 1);
    // Numbers cut two characters after the mark, the coefficient rounded to four decimals.
    EXPECT_EQ(cells(table.row(0)),
        QStringList(
            {u"1"_s, u"0,78"_s, u"0"_s, u"0,38"_s, u"Кирпич"_s, u"2,1"_s, u"1"_s, u"1,23"_s, u"1"_s}));

    table.add(entry(1.5, 12.25, 0.123456), comma);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.row(1)[NumberColumn], u"2");
    EXPECT_EQ(table.row(1)[CoefficientColumn], u"0,1235");
    EXPECT_EQ(table.row(1)[LengthColumn], u"12,25");

    table.edit(0, entry(2, 3), comma);
    EXPECT_EQ(table.row(0)[NumberColumn], u"1");
    EXPECT_EQ(table.row(0)[AreaColumn], u"2");
    EXPECT_EQ(table.row(0)[MaterialColumn], u"Металл");
}

TEST(SectionTableTest, RemoveMovesRowsUpOrBlanksTheOnlyOne)
{
    SectionTable table;
    for (int i = 1; i <= 3; ++i)
        table.add(entry(i, 10 * i), comma);
    table.remove(0, comma);
    ASSERT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.row(0)[NumberColumn], u"1");
    EXPECT_EQ(table.row(0)[AreaColumn], u"2");
    EXPECT_EQ(table.row(1)[NumberColumn], u"2");
    EXPECT_EQ(table.row(1)[AreaColumn], u"3");

    table.remove(1, comma);
    table.remove(0, comma);
    ASSERT_EQ(table.rowCount(), 1);
    EXPECT_EQ(
        cells(table.row(0)), QStringList({u"1"_s, u"0,00"_s, u"0,00"_s, u"0,00"_s, {}, {}, {}, {}, {}}));
    // The blanked section has no area: the page step reports it.
    EXPECT_EQ(readSectionTable(table, comma).messages,
        QStringList {u"Не задана площадь сечения и/или длина шахты?!"_s});
}

TEST(SectionTableTest, EditingFillsTheDialogFromTheRow)
{
    SectionTable table;
    SectionEntry diffuser = entry(1.2, 4, 0.0496, 1);
    diffuser.kind = FittingKind::Diffuser;
    diffuser.parameter = 2;
    diffuser.halfAngle = 10;
    table.add(diffuser, comma);
    SectionDialogTexts current;
    current.material = 3;
    SectionDialogTexts t = sectionDialogTextsFromRow(table.row(0), current);
    EXPECT_EQ(t.kind, FittingKind::Diffuser);
    EXPECT_EQ(t.material, 1);
    EXPECT_EQ(t.area, u"1,2");
    EXPECT_EQ(t.coefficient, u"0,0496"); // kept, not reset by the kind
    EXPECT_EQ(t.halfAngle, u"10");

    SectionRow unknown = table.row(0);
    unknown[MaterialColumn] = u"Дерево"_s;
    EXPECT_EQ(sectionDialogTextsFromRow(unknown, current).material, 3);
}

TEST(SectionTableTest, PageStepChecksTheTableAndWritesTheSectionLines)
{
    SectionTable empty;
    const SectionTableStep none = readSectionTable(empty, comma);
    EXPECT_FALSE(none.ok);
    EXPECT_TRUE(none.focusTable);
    EXPECT_EQ(none.messages, QStringList {u"Не задана площадь сечения и/или длина шахты?!"_s});

    SectionTable table;
    table.add(entry(0.78, 3, 0, 1), comma);
    table.add(entry(1.2, 0, 0.38, 2), comma);
    const SectionTableStep step = readSectionTable(table, comma);
    ASSERT_TRUE(step.ok);
    ASSERT_EQ(step.records.size(), 2u);
    EXPECT_EQ(step.records[1].localCoefficient, 0.38);
    EXPECT_EQ(step.records[1].roughness, 2.1);
    QStringList captions;
    for (const auto& line : step.lines)
        captions << line.kind + u": "_s + line.caption + u" = "_s + line.value;
    EXPECT_EQ(captions,
        QStringList({u"Задано: Число участков шахты разного проходного сечения = 2"_s,
            u"Задано: Площадь сечения участка 1 = 0,78"_s, u"Задано: Длина участка 1 = 3"_s,
            u"Задано: Материал участка 1 = Бетон"_s, u"Принято: Kc (Бетон) = 1,7"_s,
            u"Задано: Площадь сечения участка 2 = 1,2"_s, u"Задано: Длина участка 2 = 0"_s,
            u"Задано: Материал участка 2 = Кирпич"_s, u"Принято: Kc (Кирпич) = 2,1"_s,
            u"Принято: Коэфф. сопротивлениия уч-ка 2 = 0,38"_s}));

    // Two or more sections: an unreadable area ends the step, a zero area is only reported.
    QList<SectionRow> rows = table.rows();
    rows[1][AreaColumn] = u"1.2"_s;
    table.setRows(rows);
    QStringList expected = badNumberMessages(u"1.2"_s);
    expected.first() = u"Ошибочная запись числа: 1.2 Номер участка: 2"_s;
    EXPECT_EQ(readSectionTable(table, comma).messages, expected);
    rows[1][AreaColumn] = u"0"_s;
    table.setRows(rows);
    const SectionTableStep zero = readSectionTable(table, comma);
    EXPECT_TRUE(zero.ok);
    EXPECT_EQ(zero.messages, QStringList {u"Ошибочная запись числа: 0 Номер участка: 2"_s});
}
