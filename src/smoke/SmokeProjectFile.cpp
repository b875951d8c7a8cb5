#include "smoke/SmokeProjectFile.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"
#include "sections/SectionColumnLists.h"

#include <QFile>
#include <QFileInfo>
#include <array>

using namespace Qt::StringLiterals;

namespace smoke {

namespace {

constexpr int nameCapacity = 100;
constexpr int wideNumberCapacity = 50;
constexpr int numberCapacity = 16;
constexpr int valveNameCapacity = 128;

} // namespace

SmokeProjectEncoding encodeSmokeProject(const SmokeProject& p, QChar separator)
{
    const sections::SectionListsEncoding lists = sections::encodeSectionLists(p.sections, separator);
    if (lists.overflow)
        return {std::nullopt,
            u"Таблица участков шахты не помещается в файл проекта: "_s + *lists.overflow
                + u". Уменьшите число участков. Проект не сохранен."_s};
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
    for (const QString& list : lists.lists)
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
    sections::SectionColumnLists lists;
    for (QString& list : lists)
        list = r.text(columnListCapacity);
    r.skip(1);
    if (!r.finishedExactly())
        return std::nullopt;
    const auto within = [](qint32 value, int count) { return value >= 0 && value < count; };
    if (!within(p.combustible, 4) || !within(p.shaftEntry, 2) || !within(p.grille, 2)
        || !within(p.fanType, 2))
        return std::nullopt;

    std::optional<sections::SectionTable> table = sections::decodeSectionLists(lists, separator);
    if (!table)
        return std::nullopt;
    p.sections = std::move(*table);
    return p;
}

const ProjectFileKind<SmokeProject>& smokeProjectFile()
{
    static const ProjectFileKind<SmokeProject> kind {
        .openTitle = u"Открытие файла проекта расчета дымоудаления *.smkprj"_s,
        .saveTitle = u"Сохранение файла проекта расчета дымоудаления *.smkprj"_s,
        .filter = u"Проект расчета дымоудаления (*.smkprj) |*.smkprj"_s,
        .suffix = u"smkprj"_s,
        .recordSize = smokeProjectRecordSize,
        .decode = decodeSmokeProject,
        .encode = encodeSmokeProject,
    };
    return kind;
}

} // namespace smoke
