#include "smoke/SmokeProjectFile.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"

#include <QFile>
#include <QFileInfo>
#include <array>

using namespace Qt::StringLiterals;
using sections::SectionColumn;
using sections::SectionRow;

namespace smoke {

namespace {

constexpr int nameCapacity = 100;
constexpr int wideNumberCapacity = 50;
constexpr int numberCapacity = 16;
constexpr int valveNameCapacity = 128;

// The section-table columns in the order of their lists in the record: lengths first, as they decide
// how many sections a file holds.
constexpr std::array<SectionColumn, 8> listedColumns = {sections::LengthColumn, sections::AreaColumn,
    sections::CoefficientColumn, sections::MaterialColumn, sections::RoughnessColumn, sections::KindColumn,
    sections::ParameterColumn, sections::HalfAngleColumn};

QString columnCaption(SectionColumn column)
{
    switch (column) {
    case sections::LengthColumn:
        return u"длины участков"_s;
    case sections::AreaColumn:
        return u"площади сечения"_s;
    case sections::CoefficientColumn:
        return u"коэффициенты сопротивления"_s;
    case sections::MaterialColumn:
        return u"материалы"_s;
    default:
        return u"параметры участков"_s;
    }
}

} // namespace

SmokeProjectEncoding encodeSmokeProject(const SmokeProject& p, QChar separator)
{
    std::array<QString, listedColumns.size()> lists;
    for (std::size_t i = 0; i < listedColumns.size(); ++i) {
        for (const SectionRow& row : p.sections.rows())
            lists[i] += encodeNumberText(row[listedColumns[i]].trimmed(), separator) + u';';
        if (lists[i].size() > columnListCapacity)
            return {std::nullopt,
                u"Таблица участков шахты не помещается в файл проекта: %1 занимают %2 знаков из %3 "
                u"возможных. Уменьшите число участков. Проект не сохранен."_s
                    .arg(columnCaption(listedColumns[i]))
                    .arg(lists[i].size())
                    .arg(columnListCapacity)};
    }
    RecordWriter w(separator);
    w.text(p.projectName, nameCapacity)
        .boolean(p.residential)
        .boolean(p.otherBuilding)
        .boolean(p.corridor)
        .boolean(p.room)
        .boolean(p.reservoir)
        .boolean(p.sprinkler)
        .boolean(p.bySnip)
        .boolean(p.byRecommendation)
        .numberText(p.doorHeight, wideNumberCapacity)
        .numberText(p.doorWidth, wideNumberCapacity)
        .numberText(p.roomArea, wideNumberCapacity)
        .numberText(p.evacuees, numberCapacity)
        .numberText(p.curtainHeight, numberCapacity)
        .numberText(p.outdoorTemperature, numberCapacity)
        .numberText(p.windSpeed, numberCapacity)
        .numberText(p.doorCount, numberCapacity)
        .numberText(p.doorArea1, numberCapacity)
        .numberText(p.doorArea2, numberCapacity)
        .numberText(p.doorArea3, numberCapacity)
        .padding(2)
        .int32(p.combustible)
        .numberText(p.firePerimeter, numberCapacity)
        .numberText(p.heightDifference, numberCapacity)
        .numberText(p.roomHeight, numberCapacity)
        .numberText(p.valvesPerFloor, numberCapacity)
        .boolean(p.branchValves)
        .boolean(p.noBranchValves)
        .numberText(p.branchLength, numberCapacity)
        .numberText(p.branchArea, numberCapacity)
        .text(p.valveName, valveNameCapacity)
        .numberText(p.valveArea, numberCapacity)
        .numberText(p.floors, numberCapacity)
        .padding(numberCapacity + 1) // reserved
        .int32(p.shaftEntry)
        .int32(p.grille)
        .numberText(p.fanOutletHeight, numberCapacity)
        .padding(3)
        .int32(p.fanType)
        .numberText(p.outletLength, numberCapacity)
        .numberText(p.outletDiameter, numberCapacity)
        .numberText(p.outletResistance, numberCapacity);
    for (const QString& list : lists)
        w.text(list, columnListCapacity);
    w.padding(1);
    Q_ASSERT(w.size() == smokeProjectRecordSize);
    return {w.bytes(), {}};
}

std::optional<SmokeProject> decodeSmokeProject(const QByteArray& bytes, QChar separator)
{
    if (bytes.size() < smokeProjectRecordSize)
        return std::nullopt;
    RecordReader r(bytes.left(smokeProjectRecordSize), separator);
    SmokeProject p;
    p.projectName = r.text(nameCapacity);
    p.residential = r.boolean();
    p.otherBuilding = r.boolean();
    p.corridor = r.boolean();
    p.room = r.boolean();
    p.reservoir = r.boolean();
    p.sprinkler = r.boolean();
    p.bySnip = r.boolean();
    p.byRecommendation = r.boolean();
    p.doorHeight = r.numberText(wideNumberCapacity);
    p.doorWidth = r.numberText(wideNumberCapacity);
    p.roomArea = r.numberText(wideNumberCapacity);
    p.evacuees = r.numberText(numberCapacity);
    p.curtainHeight = r.numberText(numberCapacity);
    p.outdoorTemperature = r.numberText(numberCapacity);
    p.windSpeed = r.numberText(numberCapacity);
    p.doorCount = r.numberText(numberCapacity);
    p.doorArea1 = r.numberText(numberCapacity);
    p.doorArea2 = r.numberText(numberCapacity);
    p.doorArea3 = r.numberText(numberCapacity);
    r.skip(2);
    p.combustible = r.int32();
    p.firePerimeter = r.numberText(numberCapacity);
    p.heightDifference = r.numberText(numberCapacity);
    p.roomHeight = r.numberText(numberCapacity);
    p.valvesPerFloor = r.numberText(numberCapacity);
    p.branchValves = r.boolean();
    p.noBranchValves = r.boolean();
    p.branchLength = r.numberText(numberCapacity);
    p.branchArea = r.numberText(numberCapacity);
    p.valveName = r.text(valveNameCapacity);
    p.valveArea = r.numberText(numberCapacity);
    p.floors = r.numberText(numberCapacity);
    r.skip(numberCapacity + 1);
    p.shaftEntry = r.int32();
    p.grille = r.int32();
    p.fanOutletHeight = r.numberText(numberCapacity);
    r.skip(3);
    p.fanType = r.int32();
    p.outletLength = r.numberText(numberCapacity);
    p.outletDiameter = r.numberText(numberCapacity);
    p.outletResistance = r.numberText(numberCapacity);
    std::array<QStringList, listedColumns.size()> tokens;
    for (QStringList& list : tokens)
        list = splitTokens(r.text(columnListCapacity));
    r.skip(1);
    if (!r.finishedExactly())
        return std::nullopt;
    const auto within = [](qint32 value, int count) { return value >= 0 && value < count; };
    if (!within(p.combustible, 4) || !within(p.shaftEntry, 2) || !within(p.grille, 2)
        || !within(p.fanType, 2))
        return std::nullopt;

    // The length list decides the number of sections. A list that holds fewer items cannot say which
    // section its items belong to; an empty list leaves its cells empty (a blanked section).
    const qsizetype count = tokens[0].size();
    for (const QStringList& list : tokens) {
        if (!list.isEmpty() && list.size() < count)
            return std::nullopt;
    }
    QList<SectionRow> rows(count);
    for (std::size_t i = 0; i < listedColumns.size(); ++i) {
        for (qsizetype k = 0; k < count && k < tokens[i].size(); ++k)
            rows[k][listedColumns[i]] = decodeNumberText(tokens[i][k], separator);
    }
    p.sections.setRows(rows);
    return p;
}

QString smokeProjectOpenTitle()
{
    return u"Открытие файла проекта расчета дымоудаления *.smkprj"_s;
}

QString smokeProjectSaveTitle()
{
    return u"Сохранение файла проекта расчета дымоудаления *.smkprj"_s;
}

QString smokeProjectFilter()
{
    return u"Проект расчета дымоудаления (*.smkprj) |*.smkprj"_s;
}

QString smokeProjectSuffix()
{
    return u"smkprj"_s;
}

SmokeProjectLoad loadSmokeProject(const QString& path, QChar separator)
{
    if (!QFileInfo(path).isFile())
        return {std::nullopt, {u"Выберите существующий файл с расширением *.smkprj"_s}};
    std::optional<SmokeProject> project;
    if (const auto bytes = readRecordFile(path, smokeProjectRecordSize))
        project = decodeSmokeProject(*bytes, separator);
    if (!project)
        return {std::nullopt,
            {u"Произошла ошибка чтения файла!"_s, u"Проверьте расширение открываемого файла"_s}};
    return {project, {}};
}

std::optional<QString> saveSmokeProject(const QString& path, const SmokeProject& project, QChar separator)
{
    const SmokeProjectEncoding encoding = encodeSmokeProject(project, separator);
    if (!encoding.record)
        return encoding.message;
    if (const SaveOutcome saved = writeRecordFile(path, *encoding.record); !saved)
        return u"Не удалось записать файл проекта: "_s + path + u"\n"_s + saved.error();
    return std::nullopt;
}

} // namespace smoke
