#include "heating/HeatingUnitProject.h"

#include "common/FixedRecord.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace heating {

QByteArray encodeHeatingUnitProject(const HeatingUnitProject& p, QChar decimalSeparator)
{
    RecordWriter w(decimalSeparator);
    w.text(p.projectName, heatingProjectNameCapacity)
        .padding(3)
        .int32(p.buildingType)
        .numberText(p.tv, heatingProjectNumberCapacity)
        .numberText(p.tn, heatingProjectNumberCapacity)
        .numberText(p.tw1, heatingProjectNumberCapacity)
        .numberText(p.tw2, heatingProjectNumberCapacity)
        .int32(p.angleItem)
        .int32(p.mode)
        .numberText(p.volume, heatingProjectNumberCapacity)
        .numberText(p.demand, heatingProjectNumberCapacity)
        .numberText(p.gains, heatingProjectNumberCapacity)
        .padding(1);
    Q_ASSERT(w.size() == heatingProjectRecordSize);
    return w.bytes();
}

std::optional<HeatingUnitProject> decodeHeatingUnitProject(const QByteArray& bytes, QChar decimalSeparator)
{
    if (bytes.size() < heatingProjectRecordSize)
        return std::nullopt;
    RecordReader r(bytes.left(heatingProjectRecordSize), decimalSeparator);
    HeatingUnitProject p;
    p.projectName = r.text(heatingProjectNameCapacity);
    r.skip(3);
    p.buildingType = r.int32();
    p.tv = r.numberText(heatingProjectNumberCapacity);
    p.tn = r.numberText(heatingProjectNumberCapacity);
    p.tw1 = r.numberText(heatingProjectNumberCapacity);
    p.tw2 = r.numberText(heatingProjectNumberCapacity);
    p.angleItem = r.int32();
    p.mode = r.int32();
    p.volume = r.numberText(heatingProjectNumberCapacity);
    p.demand = r.numberText(heatingProjectNumberCapacity);
    p.gains = r.numberText(heatingProjectNumberCapacity);
    r.skip(1);
    if (!r.finishedExactly())
        return std::nullopt;
    return p;
}

const ProjectFileKind<HeatingUnitProject>& heatingProjectFile()
{
    static const ProjectFileKind<HeatingUnitProject> kind {
        .openTitle = u"Открытие файла проекта расчета воздушных агрегатов ЛУМА *.lumaprj"_s,
        .saveTitle = u"Сохранение файла проекта расчета воздушных агрегатов ЛУМА *.lumaprj"_s,
        .filter = u"Проект расчета воздушных агрегатов ЛУМА (*.lumaprj) |*.lumaprj"_s,
        .suffix = u"lumaprj"_s,
        .recordSize = heatingProjectRecordSize,
        .decode = decodeHeatingUnitProject,
        .encode =
            [](const HeatingUnitProject& project, QChar separator) {
                return ProjectEncoding {encodeHeatingUnitProject(project, separator), {}};
            },
    };
    return kind;
}

} // namespace heating
