#include "cli/CliCommand.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "unit/UnitCalculation.h"
#include "unit/UnitForm.h"

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
    const QStringList unknown = args.unknownFlags({u"--project"_s, u"--kind"_s});
    if (!unknown.isEmpty())
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
    const std::optional<QString> path = args.value(u"--project"_s);
    if (!path)
        args.addError(u"unit needs --project FILE.pritochprj"_s);
    bool kindOk = false;
    const int kind = args.value(u"--kind"_s).value_or(u"1"_s).trimmed().toInt(&kindOk);
    if (!kindOk || kind < 0 || kind > 3)
        args.addError(u"--kind wants 0, 1, 2 or 3"_s);
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
        // The numbers and checks of the window's page, read as the window reads them.
        const unit::UnitPageRead read = unit::readUnitPage(
            p, unit::UnitKind(kind), !water.isEmpty() || !electric.isEmpty(), projectSeparator);
        if (read.badNumber)
            return fail({badNumberMessages(read.badText).constFirst()});
        if (read.problem)
            return fail({read.problem->message});
        const unit::UnitInputs& in = *read.inputs;
        unit::ElementTicks ticks;
        const QString* stored[]
            = {&p.valveTicks, &p.filterTicks, &p.silencerTicks, &p.louvreTicks, &p.connectorTicks};
        for (int k = 0; k < 5; ++k)
            ticks.ticked[k] = unit::tickPositions(*stored[k]);
        const unit::UnitRun run = unit::calculateUnit(store, in, water, electric, p.heaterColumn, ticks);
        const std::vector<unit::UnitElementRow> rows = unit::unitElementRows(store, run, in);
        if (json)
            cli::printJson(runJson(&run, rows, kind, {}));
        else
            printText(run, rows);
        return cli::Ok;
    } catch (const CatalogueError& error) {
        return fail({error.message()});
    }
}

} // namespace

ZFN_CLI_COMMAND("unit", "unit --project FILE.pritochprj --kind 0..3 [--json]", unitCommand);
