#include "office/BatchSelection.h"

#include "fans/SelectionValidation.h"
#include "fans/SmokeSelection.h"
#include "fans/SmokeSelectionValidation.h"

#include <QSet>
#include <cmath>
#include <iterator>

using namespace Qt::StringLiterals;

namespace office {

namespace {

using namespace fans;

const QString tagColumn = u"tag"_s;
const QString flowColumn = u"flow"_s;
const QString pressureColumn = u"pressure"_s;
const QString rangeColumn = u"range"_s;
const QString groupColumn = u"group"_s;
const QString pressureKindColumn = u"pressure_kind"_s;
const QString temperatureColumn = u"temperature"_s;
const QString seriesColumn = u"series"_s;

// One row's cells by column name, and what was wrong with them.
class RowCells {
public:
    RowCells(const Schedule& schedule, const CsvRecord& record)
        : m_columns(schedule.columns)
        , m_record(record)
        , m_decimalComma(schedule.decimalComma)
    {
    }

    QString text(const QString& column) const
    {
        const auto at = m_columns.indexOf(column);
        return at < 0 ? QString() : m_record.cells.value(at).trimmed();
    }

    // A number written with "." (or "," in a file that takes it; nothing when the cell is empty or not a
    // number, with a message).
    std::optional<double> number(const QString& column, bool required)
    {
        const QString cell = text(column);
        if (cell.isEmpty()) {
            if (required)
                messages << u"столбец %1 не заполнен"_s.arg(column);
            return std::nullopt;
        }
        bool ok = false;
        const double value = (m_decimalComma ? QString(cell).replace(u',', u'.') : cell).toDouble(&ok);
        if (!ok || !std::isfinite(value)) {
            messages << (m_decimalComma
                    ? u"столбец %1: \"%2\" не число (дробная часть пишется через запятую или точку)"_s
                    : u"столбец %1: \"%2\" не число (дробная часть пишется через точку)"_s)
                            .arg(column, cell);
            return std::nullopt;
        }
        return value;
    }

    QStringList messages;

private:
    const QStringList& m_columns;
    const CsvRecord& m_record;
    bool m_decimalComma;
};

int rangeOf(RowCells& cells)
{
    const QString cell = cells.text(rangeColumn);
    if (cell.isEmpty())
        return 15;
    bool ok = false;
    const int percent = cell.toInt(&ok);
    if (!ok || percent < 5 || percent > 30)
        cells.messages
            << u"столбец range: \"%1\" — диапазон подбора задаётся целым числом процентов от 5 до 30"_s.arg(
                   cell);
    return percent;
}

QStringList seriesOf(RowCells& cells)
{
    QStringList names;
    for (const QString& name : cells.text(seriesColumn).split(u';', Qt::SkipEmptyParts)) {
        if (!name.trimmed().isEmpty())
            names << name.trimmed();
    }
    return names;
}

std::vector<TickedText> allTicked(const QStringList& texts)
{
    std::vector<TickedText> list;
    for (const QString& text : texts)
        list.push_back({text, true});
    return list;
}

void reportUnknownSeries(RowCells& cells, const QStringList& chosen, const QStringList& known)
{
    for (const QString& name : chosen) {
        if (!known.contains(name))
            cells.messages << u"столбец series: серии \"%1\" нет в группе"_s.arg(name);
    }
}

std::optional<SelectionRequest> generalRequest(RowCells& cells, const BatchCatalogue& catalogue)
{
    SelectionRequest request;
    const auto flow = cells.number(flowColumn, true);
    const auto pressure = cells.number(pressureColumn, true);
    request.rangePercent = rangeOf(cells);
    const QString group = cells.text(groupColumn);
    if (group.isEmpty() || group == u"duct")
        request.group = FanGroup::Duct;
    else if (group == u"roof")
        request.group = FanGroup::Roof;
    else if (group == u"pressurization")
        request.group = FanGroup::Pressurization;
    else
        cells.messages << u"столбец group: \"%1\" — нужно duct, roof или pressurization"_s.arg(group);
    // Duct fans are selected by total pressure, roof fans by static pressure, pressurization fans by either.
    request.pressureKind = request.group == FanGroup::Roof ? PressureKind::Static : PressureKind::Total;
    const QString kind = cells.text(pressureKindColumn);
    if (kind == u"static" || kind == u"total") {
        const PressureKind wanted = kind == u"static" ? PressureKind::Static : PressureKind::Total;
        if (request.group == FanGroup::Pressurization)
            request.pressureKind = wanted;
        else if (wanted != request.pressureKind)
            cells.messages << (request.group == FanGroup::Roof
                    ? u"столбец pressure_kind: крышные вентиляторы подбираются по статическому давлению"_s
                    : u"столбец pressure_kind: канальные вентиляторы подбираются по полному давлению"_s);
    } else if (!kind.isEmpty()) {
        cells.messages << u"столбец pressure_kind: \"%1\" — нужно total или static"_s.arg(kind);
    }
    const QStringList chosen = seriesOf(cells);
    QStringList known;
    for (const SeriesEntry& entry : catalogue.generalSeries) {
        if (entry.group != request.group)
            continue;
        known << entry.name;
        if (chosen.isEmpty() || chosen.contains(entry.name))
            request.series.push_back({entry.name, entry.icon == RoundDuctIcon});
    }
    reportUnknownSeries(cells, chosen, known);
    request.diameters = allTicked(catalogue.diameters);
    request.sizes = allTicked(catalogue.ductSizes);
    if (!cells.messages.isEmpty())
        return std::nullopt;
    request.flow = *flow;
    request.pressure = *pressure;
    if (const RequestFault fault = checkRequest(request); fault != RequestFault::None) {
        cells.messages << faultMessage(fault);
        return std::nullopt;
    }
    return request;
}

std::optional<SmokeSelectionRequest> smokeRequest(RowCells& cells, const BatchCatalogue& catalogue)
{
    SmokeSelectionRequest request;
    const auto flow = cells.number(flowColumn, true);
    const auto pressure = cells.number(pressureColumn, true);
    // The gas temperature decides the density the curves are rescaled to: a smoke-exhaust duty needs it.
    const auto temperature = cells.number(temperatureColumn, true);
    request.rangePercent = rangeOf(cells);
    const QString group = cells.text(groupColumn);
    if (group.isEmpty() || group == u"roof")
        request.group = SmokeGroup::RoofWall;
    else if (group == u"radial")
        request.group = SmokeGroup::RadialAxial;
    else
        cells.messages << u"столбец group: \"%1\" — для дымоудаления нужно roof или radial"_s.arg(group);
    // Roof and wall fans are rated by static pressure, radial and axial fans by total pressure.
    const QString kind = cells.text(pressureKindColumn);
    const QString groupKind = request.group == SmokeGroup::RoofWall ? u"static"_s : u"total"_s;
    if (!kind.isEmpty() && kind != groupKind)
        cells.messages << (request.group == SmokeGroup::RoofWall
                ? u"столбец pressure_kind: крышные и пристенные вентиляторы подбираются по статическому давлению"_s
                : u"столбец pressure_kind: радиальные и осевые вентиляторы подбираются по полному давлению"_s);
    const QStringList chosen = seriesOf(cells);
    QStringList known;
    for (const SmokeSeriesEntry& entry : catalogue.smokeSeries) {
        if (entry.group != request.group)
            continue;
        known << entry.name;
        if (chosen.isEmpty() || chosen.contains(entry.name))
            request.series.push_back(entry.name);
    }
    reportUnknownSeries(cells, chosen, known);
    request.diameters = allTicked(catalogue.diameters);
    if (!cells.messages.isEmpty())
        return std::nullopt;
    request.flow = *flow;
    request.pressure = *pressure;
    request.temperature = *temperature;
    request.temperatureText = cells.text(temperatureColumn);
    if (const SmokeRequestFault fault = checkSmokeRequest(request); fault != SmokeRequestFault::None) {
        cells.messages << smokeFaultMessage(fault, request.group);
        return std::nullopt;
    }
    return request;
}

void takeOutcome(BatchRow& row, SelectionOutcome outcome)
{
    if (outcome.status != SelectionOutcome::Status::Listed) {
        row.messages = outcome.messages;
        return;
    }
    for (const size_t i : rankedForDuty(outcome.fans, row.requiredFlow()))
        row.fans.push_back({outcome.fans[i], int(i + 1), dutyFit(outcome.fans[i], row.requiredFlow())});
}

void takeSpeedControlled(BatchRow& row, SpeedControlledOutcome outcome)
{
    row.messages = outcome.messages;
    row.speedControlledFans = std::move(outcome.fans);
}

QStringList checkedHeader(const std::vector<CsvRecord>& records)
{
    if (records.empty())
        throw ScheduleError(u"в файле нет строки заголовка (tag,flow,pressure,...)"_s);
    QStringList columns;
    for (const QString& cell : records.front().cells)
        columns << cell.trimmed();
    const QStringList known = scheduleColumns();
    QSet<QString> seen;
    for (const QString& column : columns) {
        if (!known.contains(column))
            throw ScheduleError(
                u"строка 1: неизвестный столбец \"%1\"; столбцы: %2"_s.arg(column, known.join(u", "_s)));
        if (seen.contains(column))
            throw ScheduleError(u"строка 1: столбец \"%1\" повторяется"_s.arg(column));
        seen.insert(column);
    }
    for (const QString& required : {tagColumn, flowColumn, pressureColumn}) {
        if (!seen.contains(required))
            throw ScheduleError(u"строка 1: нет столбца \"%1\""_s.arg(required));
    }
    return columns;
}

} // namespace

QStringList scheduleColumns()
{
    return {tagColumn, flowColumn, pressureColumn, rangeColumn, groupColumn, pressureKindColumn,
        temperatureColumn, seriesColumn};
}

ScheduleError::ScheduleError(const QString& message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

BatchCatalogue BatchCatalogue::fromStore(bool smoke)
{
    BatchCatalogue catalogue;
    const CatalogueKind kind = smoke ? CatalogueKind::Smoke : CatalogueKind::General;
    catalogue.records = FanCatalogue::records(kind);
    catalogue.diameters = FanCatalogue::diameterTexts(kind);
    if (smoke) {
        catalogue.smokeSeries = FanCatalogue::smokeSeries();
    } else {
        catalogue.generalSeries = FanCatalogue::generalSeries();
        for (const DuctSizeEntry& entry : FanCatalogue::ductSizes())
            catalogue.ductSizes << entry.text;
    }
    return catalogue;
}

double BatchRow::requiredFlow() const
{
    return request ? request->flow : smokeRequest ? smokeRequest->flow : 0;
}

Schedule readSchedule(const QByteArray& file)
{
    CsvText csv = readCsv(file);
    if (!csv.error.isEmpty())
        throw ScheduleError(csv.error);
    Schedule schedule;
    schedule.columns = checkedHeader(csv.records);
    schedule.rows.assign(
        std::make_move_iterator(csv.records.begin() + 1), std::make_move_iterator(csv.records.end()));
    schedule.decimalComma = csv.separator == u';';
    return schedule;
}

bool runBatch(const Schedule& schedule, bool smoke, const BatchCatalogue& catalogue, const RowSink& sink,
    std::optional<int> minSpeedPercent)
{
    for (const CsvRecord& record : schedule.rows) {
        BatchRow row;
        row.line = record.line;
        RowCells cells(schedule, record);
        row.tag = cells.text(tagColumn);
        if (record.cells.size() != schedule.columns.size()) {
            row.messages << u"%1 ячеек вместо %2"_s.arg(record.cells.size()).arg(schedule.columns.size());
        } else if (smoke) {
            row.smokeRequest = smokeRequest(cells, catalogue);
            if (row.smokeRequest)
                takeOutcome(row, selectSmokeFans(*catalogue.records, *row.smokeRequest));
        } else {
            row.request = generalRequest(cells, catalogue);
            if (row.request && minSpeedPercent)
                takeSpeedControlled(
                    row, selectSpeedControlled(*catalogue.records, *row.request, *minSpeedPercent));
            else if (row.request)
                takeOutcome(row, selectFans(*catalogue.records, *row.request));
        }
        row.messages << cells.messages;
        if (!sink(row))
            return false;
    }
    return true;
}

} // namespace office
