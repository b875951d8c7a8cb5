#include "pressurization/SupplyProjectFile.h"

#include "common/FixedRecord.h"
#include "sections/SectionColumnLists.h"

using namespace Qt::StringLiterals;

namespace pressurization {

namespace {

constexpr int nameCapacity = 100;
constexpr int numberCapacity = 16;

// A whole-number box as the file keeps it: its text read as an integer, or the box's lower limit.
qint32 boxInteger(const QString& text, qint32 lowerLimit)
{
    bool ok = false;
    const qint32 value = text.trimmed().toInt(&ok);
    return ok ? value : lowerLimit;
}

} // namespace

SupplyProjectEncoding encodeSupplyProject(const SupplyProject& p, QChar separator)
{
    std::array<sections::SectionListsEncoding, supplyFanLimit> tables;
    for (int fan = 0; fan < supplyFanLimit; ++fan) {
        tables[fan] = sections::encodeSectionLists(p.sections[fan], separator);
        if (tables[fan].overflow)
            return {std::nullopt,
                u"Таблица участков вентилятора %1 не помещается в файл проекта: "_s.arg(fan + 1)
                    + *tables[fan].overflow + u". Уменьшите число участков. Проект не сохранен."_s};
    }
    RecordWriter w(separator);
    w.text(p.projectName, nameCapacity)
        .numberText(p.outdoorTemperature, numberCapacity)
        .numberText(p.windSpeed, numberCapacity)
        .numberText(p.storeyHeight, numberCapacity)
        .numberText(p.leafWidth, numberCapacity)
        .numberText(p.entranceArea, numberCapacity)
        .numberText(p.smokeFlow, numberCapacity)
        .padding(1)
        .int32(p.tambour)
        .int32(boxInteger(p.floors, 0))
        .int32(boxInteger(p.doors, 4))
        .int32(boxInteger(p.lifts, 2))
        .boolean(p.schemeShaft)
        .boolean(p.schemeJoint)
        .boolean(p.schemeSeparate)
        .boolean(p.schemeZones)
        .int32(boxInteger(p.zoneFloors, 0));
    for (const sections::SectionListsEncoding& table : tables) {
        for (const QString& list : table.lists)
            w.text(list, sections::sectionListCapacity);
    }
    Q_ASSERT(w.size() == supplyProjectRecordSize);
    return {w.bytes(), {}};
}

std::optional<SupplyProject> decodeSupplyProject(const QByteArray& bytes, QChar separator)
{
    if (bytes.size() < supplyProjectRecordSize)
        return std::nullopt;
    RecordReader r(bytes.left(supplyProjectRecordSize), separator);
    SupplyProject p;
    p.projectName = r.text(nameCapacity);
    p.outdoorTemperature = r.numberText(numberCapacity);
    p.windSpeed = r.numberText(numberCapacity);
    p.storeyHeight = r.numberText(numberCapacity);
    p.leafWidth = r.numberText(numberCapacity);
    p.entranceArea = r.numberText(numberCapacity);
    p.smokeFlow = r.numberText(numberCapacity);
    r.skip(1);
    p.tambour = r.int32();
    p.floors = QString::number(r.int32());
    p.doors = QString::number(r.int32());
    p.lifts = QString::number(r.int32());
    p.schemeShaft = r.boolean();
    p.schemeJoint = r.boolean();
    p.schemeSeparate = r.boolean();
    p.schemeZones = r.boolean();
    p.zoneFloors = QString::number(r.int32());
    std::array<sections::SectionColumnLists, supplyFanLimit> lists;
    for (sections::SectionColumnLists& table : lists) {
        for (QString& list : table)
            list = r.text(sections::sectionListCapacity);
    }
    if (!r.finishedExactly() || p.tambour < 0 || p.tambour > 1)
        return std::nullopt;
    for (int fan = 0; fan < supplyFanLimit; ++fan) {
        std::optional<sections::SectionTable> table = sections::decodeSectionLists(lists[fan], separator);
        if (!table)
            return std::nullopt;
        p.sections[fan] = std::move(*table);
    }
    return p;
}

const ProjectFileKind<SupplyProject>& supplyProjectFile()
{
    static const ProjectFileKind<SupplyProject> kind {
        .openTitle = u"Открытие файла проекта расчета дымоудаления *.podporprj"_s,
        .saveTitle = u"Сохранение файла проекта расчета дымоудаления *.podporprj"_s,
        .filter = u"Проект расчета дымоудаления (*.podporprj) |*.podporprj"_s,
        .suffix = u"podporprj"_s,
        .recordSize = supplyProjectRecordSize,
        .decode = decodeSupplyProject,
        .encode = encodeSupplyProject,
    };
    return kind;
}

} // namespace pressurization
