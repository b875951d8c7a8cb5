#include "cli/CliCommand.h"
#include "cli/FanJson.h"
#include "cli/SelectionOptions.h"
#include "common/CatalogueStore.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/FanDesignation.h"
#include "fans/FoundFanRow.h"
#include "fans/SelectionValidation.h"
#include "unit/UnitCalculation.h"
#include "unit/UnitFanSelection.h"
#include "unit/UnitForm.h"
#include "unit/UnitHandover.h"
#include "unit/UnitResult.h"
#include "unit/UnitScheme.h"
#include "unit/print/UnitPrintout.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli unit: the assembled unit of a project as a unit window of the given kind composes it.
namespace {

// Numbers in a project file are read back with "." as decimal mark, whatever the locale.
constexpr QChar projectSeparator = QLatin1Char('.');

QJsonValue nullable(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonObject heaterJson(const unit::THeaterVariant& v, bool water)
{
    const auto waterValue
        = [water](double value) { return water ? QJsonValue(value) : QJsonValue(QJsonValue::Null); };
    return {{u"type"_s, v.tip}, {u"model"_s, v.model}, {u"section"_s, v.kanalIndex},
        {u"water_flow"_s, waterValue(v.waterFlow)}, {u"air_out"_s, v.airOutlet},
        {u"water_out"_s, waterValue(v.waterOutlet)}, {u"air_loss"_s, v.airLoss},
        {u"water_loss"_s, waterValue(v.waterLoss)}, {u"heat_output"_s, v.heatOutput}, {u"length"_s, v.length},
        {u"price"_s, qint64(v.price)}};
}

QJsonValue coolerJson(const std::optional<unit::CoolerResult>& cooler)
{
    if (!cooler)
        return QJsonValue(QJsonValue::Null);
    return QJsonObject {{u"type"_s, cooler->type}, {u"model"_s, cooler->model}, {u"area"_s, cooler->area},
        {u"section"_s, cooler->section}, {u"air_speed"_s, cooler->airSpeed}, {u"total"_s, cooler->total},
        {u"air_loss"_s, cooler->airLoss}, {u"water_flow"_s, cli::jsonNumber(cooler->waterFlow)},
        {u"water_loss"_s, cli::jsonNumber(cooler->waterLoss)},
        {u"condensing_unit"_s, cooler->condensingUnit}};
}

QJsonObject runJson(const unit::UnitRun* run, const std::vector<unit::UnitElementRow>& rows, int kind,
    const QStringList& messages)
{
    QJsonArray elements;
    for (const unit::UnitElementRow& r : rows)
        elements.append(
            QJsonObject {{u"name"_s, r.name}, {u"type"_s, r.tip}, {u"model"_s, r.model}, {u"loss"_s, r.loss},
                {u"length"_s, r.length}, {u"count"_s, r.count}, {u"price"_s, qint64(r.price)}});
    QJsonArray heaters;
    if (run) {
        for (const unit::THeaterVariant& v : run->variants.heaters)
            heaters.append(heaterJson(v, v.waterFlow > 0));
    }
    const auto number
        = [run](double value) { return run ? QJsonValue(value) : QJsonValue(QJsonValue::Null); };
    return {
        {u"kind"_s, kind},
        {u"section"_s,
            run && run->section.kanalIndex > 0 ? QJsonValue(run->section.kanalIndex) : QJsonValue()},
        {u"section_text"_s, nullable(run ? run->sectionText : QString())},
        {u"elements"_s, elements},
        {u"heaters"_s, heaters},
        {u"heater_column"_s, run && run->heaterColumn > 0 ? QJsonValue(run->heaterColumn) : QJsonValue()},
        {u"cooler"_s, run ? coolerJson(run->section.cooler) : QJsonValue()},
        {u"total_length"_s, number(run ? run->composition.length : 0)},
        {u"total_pressure"_s, number(run ? run->composition.pressure : 0)},
        {u"messages"_s, QJsonArray::fromStringList(messages)},
    };
}

void printText(const unit::UnitRun& run, const std::vector<unit::UnitElementRow>& rows)
{
    const auto n = [](double v) { return QString::number(v, 'g', 4); };
    cli::printLine(u"Сечение: "_s + (run.sectionText.isEmpty() ? u"-"_s : run.sectionText));
    for (const unit::UnitElementRow& r : rows)
        cli::printLine(
            u"%1: %2 - %3, %4 Па, %5 мм, %6 шт."_s.arg(r.name, r.tip, r.model, n(r.loss), n(r.length))
                .arg(r.count));
    cli::printLine(u"Сумма длин секций: "_s + integerText(run.composition.length) + u" мм"_s);
    cli::printLine(u"Суммарное сопротивление воздуху: "_s + integerText(run.composition.pressure) + u" Па"_s);
}

// The unit's fan run as the unit's fan selection window starts it: every rectangular duct series, every
// diameter, only the unit's section.
fans::SelectionRequest unitRequest(const unit::UnitFanDuty& duty)
{
    fans::SelectionRequest request;
    request.flow = duty.flow;
    request.pressure = duty.pressure;
    request.rangePercent = unit::unitSearchRangePercent;
    for (const fans::SeriesEntry& s : fans::FanCatalogue::generalSeries()) {
        if (unit::isUnitFanSeries(s))
            request.series.push_back({s.name, false});
    }
    for (const QString& d : fans::FanCatalogue::diameterTexts(fans::CatalogueKind::General))
        request.diameters.push_back({d, true});
    for (const fans::DuctSizeEntry& size : fans::FanCatalogue::ductSizes()) {
        if (unit::isUnitDuctSize(size))
            request.sizes.push_back({size.text, size.text == duty.section});
    }
    return unit::unitFanRequest(request);
}

// The pieces of the unit with its fan, in their default arrangement order, and their total length.
QJsonObject arrangementJson(const unit::UnitResult& result)
{
    unit::writeReportOrderTable(store::workingDatabase(), result.pieces);
    const std::vector<unit::SchemeRow> rows = unit::readSchemeRows(store::workingDatabase());
    QJsonArray pieces;
    const QStringList lines = unit::schemeLines(rows);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const unit::SchemeLine line = unit::readSchemeLine(lines[i]);
        pieces.append(QJsonObject {{u"position"_s, int(i + 1)}, {u"name"_s, line.name}, {u"type"_s, line.tip},
            {u"model"_s, line.model}, {u"length"_s, line.length.toInt()}});
    }
    const std::optional<QString> condensing = unit::schemeCondensingUnit(rows);
    return {{u"pieces"_s, pieces}, {u"total_length"_s, unit::schemeLength(rows)},
        {u"condensing_unit"_s, condensing ? QJsonValue(*condensing) : QJsonValue()}};
}

// --select-fan [--fan DESIGNATION]: the unit's fan run and, with a fan chosen, the unit arranged with it.
struct FanPart {
    QJsonObject json;
    QStringList messages;
    bool ok = true;
    std::optional<unit::UnitResult> result; // the unit with the chosen fan
};
FanPart unitFanPart(const std::vector<unit::UnitElementRow>& rows, const unit::UnitFanDuty& duty,
    const std::optional<QString>& chosen)
{
    FanPart part;
    const fans::SelectionRequest request = unitRequest(duty);
    fans::SelectionOutcome outcome;
    std::optional<unit::UnitFanSelection> run;
    outcome.band = fans::DutyBand::around(request.flow, request.pressure, request.rangePercent);
    if (const fans::RequestFault fault = fans::checkRequest(request); fault != fans::RequestFault::None) {
        outcome.messages << fans::faultMessage(fault);
        outcome.status = fans::SelectionOutcome::Status::NothingAccepted;
    } else {
        run = unit::runUnitFanSelection(request);
        outcome = std::move(run->outcome);
    }
    const bool listed = outcome.status == fans::SelectionOutcome::Status::Listed;
    QJsonArray found;
    if (listed) {
        // The fans as zfn-cli select lists them.
        for (size_t i = 0; i < outcome.fans.size(); ++i) {
            QJsonObject json
                = cli::generalFanJson(outcome.fans[i], fans::FanGroup::Duct, int(i + 1), duty.flow);
            json.insert(u"curve"_s, cli::curveJson(outcome.fans[i].swept));
            found.append(json);
        }
    }
    part.json.insert(u"fan_selection"_s,
        QJsonObject {{u"flow"_s, duty.flow}, {u"pressure"_s, duty.pressure}, {u"section"_s, duty.section},
            {u"band"_s, cli::bandJson(outcome.band)}, {u"fans"_s, found},
            {u"messages"_s, QJsonArray::fromStringList(outcome.messages)}});
    part.ok = listed;
    if (!listed || !chosen)
        return part;
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const fans::FoundFan& fan = outcome.fans[i];
        if (fans::generalDesignation(*fan.record) != *chosen)
            continue;
        const QStringList cells = fans::foundFanRow(fan, fans::FanGroup::Duct, int(i + 1), QLatin1Char('.'));
        const unit::UnitResult result = unit::unitResult(rows, cells, unit::fanDimensionsOf(*fan.record));
        QJsonObject arrangement = arrangementJson(result);
        arrangement.insert(u"fan"_s, *chosen);
        arrangement.insert(u"unit_length"_s, result.length);
        part.json.insert(u"arrangement"_s, arrangement);
        part.result = result;
        return part;
    }
    part.ok = false;
    part.messages << u"Вентилятор \"%1\" не подобран для этой модульной системы"_s.arg(*chosen);
    return part;
}

void printFanText(const QJsonObject& result)
{
    const QJsonObject selection = result.value(u"fan_selection"_s).toObject();
    for (const QJsonValue& fan : selection.value(u"fans"_s).toArray()) {
        const QJsonObject f = fan.toObject();
        cli::printLine(u"%1\t%2\t%3 м3/час\t%4 Па"_s.arg(f.value(u"number"_s).toInt())
                           .arg(f.value(u"designation"_s).toString())
                           .arg(f.value(u"flow"_s).toDouble())
                           .arg(f.value(u"pressure"_s).toDouble()));
    }
    for (const QJsonValue& m : selection.value(u"messages"_s).toArray())
        cli::printLine(m.toString());
    const QJsonObject arrangement = result.value(u"arrangement"_s).toObject();
    for (const QJsonValue& piece : arrangement.value(u"pieces"_s).toArray()) {
        const QJsonObject p = piece.toObject();
        cli::printLine(u"%1. %2: %3 - %4 /%5мм"_s.arg(p.value(u"position"_s).toInt())
                           .arg(p.value(u"name"_s).toString(), p.value(u"type"_s).toString(),
                               p.value(u"model"_s).toString())
                           .arg(p.value(u"length"_s).toInt()));
    }
    if (!arrangement.isEmpty())
        cli::printLine(unit::schemeLengthText(qint64(arrangement.value(u"total_length"_s).toDouble())));
}

// --report-pdf: the unit printed with its chosen fan, its pieces in their default order, as the unit
// window prints it. Returns what went wrong.
QStringList unitPdf(const QString& path, const unit::UnitProject& project, unit::UnitKind kind,
    const unit::UnitRun& run, unit::UnitInputs inputs, const unit::UnitResult& result)
{
    inputs.heater.flow = unit::unitAirFlow(inputs);
    unitprint::UnitPrintContent content;
    content.handover = unit::unitHandover(unit::unitInputTexts(project, kind), run, inputs, projectSeparator);
    content.handover.fanDuctSize = result.ductSize;
    content.figures = result.figures;
    unitprint::readArrangement(content);
    content.lines = unit::schemeLines(content.rows);
    return unitprint::writeUnitPdf(content, path);
}

// The items of a sorted type list at the stored positions; positions beyond the list are skipped.
QStringList typesAt(const QStringList& types, const QString& positions)
{
    QStringList ticked;
    for (int p : unit::tickPositions(positions)) {
        if (p < types.size())
            ticked << types[p];
    }
    return ticked;
}

int unitCommand(cli::Arguments& args)
{
    const QStringList unknown
        = args.unknownFlags({u"--project"_s, u"--kind"_s, u"--select-fan"_s, u"--fan"_s, u"--report-pdf"_s});
    if (!unknown.isEmpty())
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
    const std::optional<QString> path = args.value(u"--project"_s);
    if (!path)
        args.addError(u"unit needs --project FILE.pritochprj"_s);
    bool kindOk = false;
    const int kind = args.value(u"--kind"_s).value_or(u"1"_s).trimmed().toInt(&kindOk);
    if (!kindOk || kind < 0 || kind > 3)
        args.addError(u"--kind wants 0, 1, 2 or 3"_s);
    const bool selectFan = args.has(u"--select-fan"_s);
    const std::optional<QString> chosenFan = args.value(u"--fan"_s);
    if (chosenFan && !selectFan)
        args.addError(u"--fan goes with --select-fan"_s);
    const std::optional<QString> pdf = args.value(u"--report-pdf"_s);
    if (pdf && !chosenFan)
        args.addError(u"--report-pdf goes with --select-fan --fan DESIGNATION"_s);
    if (!args.errors().isEmpty())
        return cli::BadArguments;
    const bool json = args.has(u"--json"_s);
    const auto fail = [&](const QStringList& messages) {
        if (json)
            cli::printJson(runJson(nullptr, {}, kind, messages));
        else
            for (const QString& m : messages)
                cli::printError(m);
        return cli::Failure;
    };

    const unit::UnitProjectLoad load = unit::loadUnitProject(*path, projectSeparator);
    if (!load.project)
        return fail(load.messages);
    const unit::UnitProject& p = *load.project;
    try {
        unit::ElementStore store = unit::pritoshkaElementStore();
        const QStringList water = typesAt(store.heaterTypes(unit::HeaterKind::Water), p.waterHeaterTicks);
        const QStringList electric
            = typesAt(store.heaterTypes(unit::HeaterKind::Electric), p.electricHeaterTicks);
        // The numbers and checks of the window's page, read as the window reads them: the page without
        // heating and cooling when the project was calculated there.
        const int plainSection = p.windowState ? p.windowState->plainSection : 0;
        const unit::UnitPageRead read = plainSection > 0
            ? unit::readPlainPage({p.flow, p.freePressure, p.windowState->plainMaxSpeed}, projectSeparator)
            : unit::readUnitPage(
                p, unit::UnitKind(kind), !water.isEmpty() || !electric.isEmpty(), projectSeparator);
        if (read.badNumber)
            return fail(badNumberMessages(read.badText));
        if (read.problem)
            return fail({read.problem->message});
        const unit::UnitInputs& in = *read.inputs;
        unit::ElementTicks ticks;
        const QString* stored[]
            = {&p.valveTicks, &p.filterTicks, &p.silencerTicks, &p.louvreTicks, &p.connectorTicks};
        for (int k = 0; k < 5; ++k)
            ticks.ticked[k] = unit::tickPositions(*stored[k]);
        if (p.windowState) {
            ticks.counts[int(unit::AccessoryKind::Silencer)] = p.windowState->silencers;
            ticks.counts[int(unit::AccessoryKind::Connector)] = p.windowState->connectors;
        }
        const unit::UnitRun run = plainSection > 0
            ? unit::calculatePlainUnit(store, in, plainSection, ticks)
            : unit::calculateUnit(store, in, water, electric, p.heaterColumn, ticks);
        if (!run.variants.refusal.isEmpty())
            return fail({run.variants.refusal});
        const std::vector<unit::UnitElementRow> rows = unit::unitElementRows(store, run, in);
        // What the window says once the unit is calculated, in its order.
        QStringList messages;
        if (!run.section.coolerMessage.isEmpty())
            messages << run.section.coolerMessage;
        if (const QString shortfall = unit::chosenHeaterShortfall(run, projectSeparator);
            !shortfall.isEmpty())
            messages << shortfall;
        QJsonObject result = runJson(&run, rows, kind, messages);
        FanPart fan;
        fan.messages = messages;
        const unit::UnitFanDuty duty = unit::unitFanDuty(run, unit::unitAirFlow(in));
        const QString dutyProblem = selectFan ? unit::unitFanDutyProblem(duty) : QString();
        if (!dutyProblem.isEmpty()) {
            fan.messages << dutyProblem;
            fan.ok = false;
            result.insert(u"messages"_s, QJsonArray::fromStringList(fan.messages));
        } else if (selectFan) {
            fan = unitFanPart(rows, duty, chosenFan);
            fan.messages = messages + fan.messages;
            if (pdf && fan.result) {
                const QStringList printed = unitPdf(*pdf, p, unit::UnitKind(kind), run, in, *fan.result);
                fan.messages << printed;
                fan.ok = fan.ok && printed.isEmpty();
            }
            for (auto it = fan.json.constBegin(); it != fan.json.constEnd(); ++it)
                result.insert(it.key(), it.value());
            result.insert(u"messages"_s, QJsonArray::fromStringList(fan.messages));
        }
        if (json) {
            cli::printJson(result);
        } else {
            printText(run, rows);
            if (selectFan && dutyProblem.isEmpty())
                printFanText(result);
            for (const QString& m : fan.messages)
                cli::printError(m);
        }
        return fan.ok ? cli::Ok : cli::Failure;
    } catch (const CatalogueError& error) {
        return fail({error.message()});
    }
}

} // namespace

ZFN_CLI_COMMAND("unit",
    "unit --project FILE.pritochprj --kind 0..3 [--select-fan [--fan DESIGNATION [--report-pdf FILE]]] "
    "[--json]",
    unitCommand);
