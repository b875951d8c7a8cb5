#include "cli/CliCommand.h"
#include "cli/FormOptions.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "curtains/CurtainCalc.h"
#include "curtains/CurtainForm.h"
#include "curtains/CurtainProjectFile.h"
#include "curtains/CurtainTable.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli curtain: the calculation of the air-curtain windows (ОРК, ТЕМ, ПЛН) for a project file.
namespace {

using namespace curtains;

// Numbers in a project file are read back with "." as decimal mark, whatever the locale.
constexpr QChar projectSeparator = QLatin1Char('.');

std::optional<Series> seriesOfWord(const QString& word)
{
    if (word == u"ork")
        return Series::Ork;
    if (word == u"tem")
        return Series::Tem;
    if (word == u"pln")
        return Series::Pln;
    return std::nullopt;
}

std::optional<Series> seriesOfFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Series series : {Series::Ork, Series::Tem, Series::Pln}) {
        if (suffix == curtainProjectFile(series).suffix)
            return series;
    }
    return std::nullopt;
}

QJsonValue jsonOptional(const std::optional<double>& value)
{
    return cli::jsonNumber(value);
}

QJsonValue jsonText(const QString& text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonObject runJson(const CurtainRun* run, const QStringList& messages, bool ok)
{
    const auto number = [run](auto field) -> QJsonValue {
        return run ? cli::jsonNumber(field(*run)) : QJsonValue(QJsonValue::Null);
    };
    QJsonValue blocks = QJsonValue::Null;
    QJsonValue jet = QJsonValue::Null;
    QJsonValue heater = QJsonValue::Null;
    if (run) {
        if (run->inputs.series == Series::Pln)
            blocks = QJsonObject {{u"A"_s, run->choice.blocksA}, {u"B"_s, run->choice.blocksB}};
        QJsonArray points;
        for (const QPointF& p : run->jet.axis)
            points.append(QJsonArray {p.x(), p.y()});
        jet = QJsonObject {
            {u"outlet_velocity"_s, cli::jsonNumber(run->jet.outletVelocity)},
            {u"end_temperature"_s, cli::jsonNumber(run->jet.endTemperature)},
            {u"mean_velocity"_s, cli::jsonNumber(run->jet.meanVelocity())},
            {u"points"_s, points},
        };
        if (run->heater)
            heater = QJsonObject {
                {u"output"_s, cli::jsonNumber(run->heater->output)},
                {u"water_flow"_s, jsonOptional(run->heater->waterFlow)},
                {u"water_loss"_s, jsonOptional(run->heater->waterLoss)},
                {u"power"_s, jsonOptional(run->heater->power)},
            };
    }
    const bool pln = run && run->inputs.series == Series::Pln;
    return {
        {u"status"_s, ok ? u"ok"_s : u"refused"_s},
        {u"messages"_s, QJsonArray::fromStringList(messages)},
        {u"designation"_s, run ? jsonText(run->designation) : QJsonValue(QJsonValue::Null)},
        {u"model"_s, run ? jsonText(run->choice.model) : QJsonValue(QJsonValue::Null)},
        {u"index"_s, run && !pln ? jsonText(run->choice.index) : QJsonValue(QJsonValue::Null)},
        {u"required_flow"_s, number([](const CurtainRun& r) { return r.design.requiredFlow; })},
        {u"flow"_s, number([](const CurtainRun& r) { return r.choice.flow; })},
        {u"slot_width"_s, number([](const CurtainRun& r) { return r.choice.slot; })},
        {u"blocks"_s, blocks},
        {u"block_count"_s,
            run && run->inputs.series == Series::Tem ? QJsonValue(run->choice.blockCount)
                                                     : QJsonValue(QJsonValue::Null)},
        {u"jet"_s, jet},
        {u"heat_loss"_s, number([](const CurtainRun& r) { return r.balance.gateLoss; })},
        {u"efficiency"_s, run ? jsonOptional(run->balance.efficiency) : QJsonValue(QJsonValue::Null)},
        {u"heater"_s, heater},
    };
}

void printText(const CurtainRun& run)
{
    for (const TextLine& row : curtainResultRows(run, projectSeparator))
        cli::printLine(row.caption + u" "_s + row.value);
}

// Reports a refusal (or a computed part before it) and gives the exit code.
int report(bool json, const CurtainRun* run, const QStringList& messages, bool ok)
{
    if (json)
        cli::printJson(runJson(run, messages, ok));
    else if (ok && run)
        printText(*run);
    for (const QString& message : messages) {
        if (!json)
            cli::printError(message);
    }
    return ok ? cli::Ok : cli::Failure;
}

int curtain(cli::Arguments& args)
{
    // Every series has the same boxes, so the options of one description serve all three.
    const QStringList unknown = args.unknownFlags(cli::formOptions(curtainFormInputs(Series::Ork))
        + QStringList {u"--project"_s, u"--series"_s, u"--index"_s});
    if (!unknown.isEmpty()) {
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
        return cli::BadArguments;
    }
    const auto project = args.value(u"--project"_s);
    if (!project && !args.value(u"--series"_s)) {
        args.addError(u"curtain needs --project FILE or --series"_s);
        return cli::BadArguments;
    }
    std::optional<Series> series;
    if (const auto word = args.value(u"--series"_s)) {
        series = seriesOfWord(word->trimmed().toLower());
        if (!series) {
            args.addError(u"--series wants ork, tem or pln"_s);
            return cli::BadArguments;
        }
    } else {
        series = seriesOfFile(*project);
        if (!series) {
            args.addError(u"the series follows from *.orkprj, *.temprj or *.ternaprj; else give --series"_s);
            return cli::BadArguments;
        }
    }
    const auto index = args.value(u"--index"_s);
    if (index && *series == Series::Pln) {
        args.addError(u"--index is for the series ork and tem"_s);
        return cli::BadArguments;
    }
    const bool json = args.has(u"--json"_s);

    // The defaults of a new window, the project over them, the options over both, as if typed.
    CurtainProject typed = defaultCurtainProject(*series);
    if (project) {
        const auto load = loadProjectFile(curtainProjectFile(*series), *project, projectSeparator);
        if (!load.project)
            return report(json, nullptr, load.messages, false);
        typed = *load.project;
    }
    cli::applyFormOptions(args, curtainFormInputs(*series), typed);
    if (!args.errors().isEmpty())
        return cli::BadArguments;
    const CurtainReading reading = readCurtainInputs(typed, *series, projectSeparator);
    if (!reading.inputs)
        return report(json, nullptr, badNumberMessages(reading.text), false);

    try {
        const CurtainCatalogue catalogue = storeCurtainCatalogue();
        CurtainOutcome outcome = calculateCurtain(*reading.inputs, catalogue, projectSeparator);
        if (outcome.run && index)
            outcome = reindexCurtain(*outcome.run, *index, catalogue);
        if (outcome.run) {
            const QString shortfall = curtainShortfallMessage(*outcome.run);
            return report(
                json, &*outcome.run, shortfall.isEmpty() ? QStringList() : QStringList {shortfall}, true);
        }
        const CurtainRun* partial = outcome.partial ? &*outcome.partial : nullptr;
        return report(json, partial, {outcome.refusal.message}, false);
    } catch (const CatalogueError& error) {
        return report(json, nullptr, {error.message()}, false);
    }
}

} // namespace

ZFN_CLI_COMMAND("curtain",
    "curtain --project FILE | --series ork|tem|pln [--width B] [--height H] [--tv T] [--tn T] [--tc T] "
    "[--wind V] "
    "[--tw1 T] [--tw2 T] [--index NN] [--alias Pritoshka=PATH] [--json]",
    curtain);
