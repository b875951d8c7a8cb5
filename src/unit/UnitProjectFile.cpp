#include "unit/UnitProjectFile.h"

#include "common/FixedRecord.h"
#include "common/NumberText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace unit {

namespace {

constexpr int nameCapacity = 100;
constexpr int numberCapacity = 16;
constexpr int listCapacity = 254; // also the capacity of the cooler's number fields
constexpr char stateMarker[] = "PRT1";
constexpr int stateMarkerSize = 4;
// The largest block: the marker, two full lists of counts, the section and the speed.
constexpr int stateBlockCapacity = stateMarkerSize + 2 * 4 * (1 + maxStoredCounts) + 4 + 1 + numberCapacity;

void writeCounts(RecordWriter& w, const std::vector<int>& counts)
{
    const int n = std::min(int(counts.size()), maxStoredCounts);
    w.int32(n);
    for (int i = 0; i < n; ++i)
        w.int32(counts[size_t(i)]);
}

std::optional<std::vector<int>> readCounts(RecordReader& r)
{
    const qint32 n = r.int32();
    if (!r.ok() || n < 0 || n > maxStoredCounts)
        return std::nullopt;
    std::vector<int> counts;
    for (int i = 0; i < n; ++i) {
        const qint32 count = r.int32();
        if (!r.ok() || count < 1 || count > largestPieceCount)
            return std::nullopt;
        counts.push_back(count);
    }
    return counts;
}

QByteArray encodeState(const UnitWindowState& state, QChar decimalSeparator)
{
    RecordWriter w(decimalSeparator);
    writeCounts(w, state.silencers);
    writeCounts(w, state.connectors);
    w.int32(state.plainSection).numberText(state.plainMaxSpeed, numberCapacity);
    return QByteArray(stateMarker, stateMarkerSize) + w.bytes();
}

// The block after the record: nothing there (or bytes that are no block) gives no state; a damaged block
// makes the whole file unreadable.
std::optional<std::optional<UnitWindowState>> decodeState(const QByteArray& tail, QChar decimalSeparator)
{
    if (!tail.startsWith(stateMarker))
        return std::optional<UnitWindowState>();
    RecordReader r(tail.mid(stateMarkerSize), decimalSeparator);
    const std::optional<std::vector<int>> silencers = readCounts(r);
    const std::optional<std::vector<int>> connectors = silencers ? readCounts(r) : std::nullopt;
    if (!connectors)
        return std::nullopt;
    UnitWindowState state {*silencers, *connectors, 0, {}};
    state.plainSection = r.int32();
    state.plainMaxSpeed = r.numberText(numberCapacity);
    if (!r.finishedExactly() || state.plainSection < 0)
        return std::nullopt;
    return std::optional<UnitWindowState>(state);
}

} // namespace

UnitProject defaultUnitProject()
{
    UnitProject p;
    p.flow = u"3500"_s;
    p.freePressure = u"0"_s;
    p.airIn = u"-26"_s;
    p.airOut = u"21"_s;
    p.maxSpeed = u"4"_s;
    p.waterIn = u"80"_s;
    p.waterOut = u"40"_s;
    p.coolerFlow = u"3500"_s;
    p.coolerAirIn = u"35"_s;
    p.coolerAirOut = u"18"_s;
    p.humidity = u"80"_s;
    return p;
}

QByteArray encodeUnitProject(const UnitProject& p, QChar decimalSeparator)
{
    RecordWriter w(decimalSeparator);
    w.text(p.projectName, nameCapacity);
    for (const QString* box :
        {&p.flow, &p.freePressure, &p.airIn, &p.airOut, &p.maxSpeed, &p.waterIn, &p.waterOut})
        w.numberText(*box, numberCapacity);
    w.text(p.waterHeaterTicks, listCapacity).text(p.electricHeaterTicks, listCapacity).padding(2);
    w.int32(p.heaterColumn);
    for (const QString* ticks :
        {&p.valveTicks, &p.filterTicks, &p.silencerTicks, &p.louvreTicks, &p.connectorTicks})
        w.text(*ticks, listCapacity);
    for (const QString* box : {&p.coolerFlow, &p.coolerAirIn, &p.coolerAirOut, &p.humidity})
        w.numberText(*box, listCapacity);
    w.padding(1).int32(p.coolerSeries);
    Q_ASSERT(w.size() == unitProjectRecordSize);
    if (!p.windowState)
        return w.bytes();
    return w.bytes() + encodeState(*p.windowState, decimalSeparator);
}

std::optional<UnitProject> decodeUnitProject(const QByteArray& bytes, QChar decimalSeparator)
{
    if (bytes.size() < unitProjectRecordSize)
        return std::nullopt;
    RecordReader r(bytes.left(unitProjectRecordSize), decimalSeparator);
    UnitProject p;
    p.projectName = r.text(nameCapacity);
    for (QString* box : {&p.flow, &p.freePressure, &p.airIn, &p.airOut, &p.maxSpeed, &p.waterIn, &p.waterOut})
        *box = r.numberText(numberCapacity);
    p.waterHeaterTicks = r.text(listCapacity);
    p.electricHeaterTicks = r.text(listCapacity);
    r.skip(2);
    p.heaterColumn = r.int32();
    for (QString* ticks :
        {&p.valveTicks, &p.filterTicks, &p.silencerTicks, &p.louvreTicks, &p.connectorTicks})
        *ticks = r.text(listCapacity);
    for (QString* box : {&p.coolerFlow, &p.coolerAirIn, &p.coolerAirOut, &p.humidity})
        *box = r.numberText(listCapacity);
    r.skip(1);
    p.coolerSeries = r.int32();
    if (!r.finishedExactly())
        return std::nullopt;
    const std::optional<std::optional<UnitWindowState>> state
        = decodeState(bytes.mid(unitProjectRecordSize), decimalSeparator);
    if (!state)
        return std::nullopt;
    p.windowState = *state;
    return p;
}

QString tickPositionsText(const std::vector<int>& positions)
{
    QString text;
    for (int position : positions)
        text += QString::number(position) + u';';
    return text;
}

std::vector<int> tickPositions(const QString& text)
{
    std::vector<int> positions;
    for (const QString& token : splitTokens(text)) {
        bool ok = false;
        const int position = token.toInt(&ok);
        if (ok && position >= 0 && std::find(positions.begin(), positions.end(), position) == positions.end())
            positions.push_back(position);
    }
    return positions;
}

const ProjectFileKind<UnitProject>& unitProjectFile()
{
    static const ProjectFileKind<UnitProject> kind {
        .openTitle = u"Открытие файла проекта расчета модульных систем *.pritochprj"_s,
        .saveTitle = u"Сохранение файла проекта расчета модульных систем *.pritochprj"_s,
        .filter = u"Проект расчета модульных систем (*.pritochprj) |*.pritochprj"_s,
        .suffix = u"pritochprj"_s,
        .recordSize = unitProjectRecordSize,
        .optionalTail = stateBlockCapacity,
        .decode = decodeUnitProject,
        .encode =
            [](const UnitProject& project, QChar separator) {
                return ProjectEncoding {encodeUnitProject(project, separator), {}};
            },
    };
    return kind;
}

QString unitProjectOpenTitle()
{
    return unitProjectFile().openTitle;
}

QString unitProjectSaveTitle()
{
    return unitProjectFile().saveTitle;
}

QString unitProjectFilter()
{
    return unitProjectFile().filter;
}

QString unitProjectSuffix()
{
    return unitProjectFile().suffix;
}

UnitProjectLoad loadUnitProject(const QString& path, QChar decimalSeparator)
{
    return loadProjectFile(unitProjectFile(), path, decimalSeparator);
}

SaveOutcome saveUnitProject(const QString& path, const UnitProject& project, QChar decimalSeparator)
{
    return writeRecordFile(path, encodeUnitProject(project, decimalSeparator));
}

} // namespace unit
