#include "cli/CliCommand.h"
#include "cli/FormOptions.h"
#include "common/NumberText.h"
#include "heating/HeatingUnitForm.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli luma: sizing of ЛУМА air-heating units, the calculation of the air-heating unit window.
namespace {

using heating::HeatingUnitProject;

// Numbers in a project file are read back with "." as decimal mark, whatever the locale; the flags
// write theirs the same way.
constexpr QChar projectSeparator = QLatin1Char('.');

// Takes the inputs of a project file as typed; a file that cannot be read is reported and ends the command.
bool applyProject(const QString& path, HeatingUnitProject& record, QStringList& messages)
{
    const auto load = loadProjectFile(heating::heatingProjectFile(), path, projectSeparator);
    if (!load.project) {
        messages << load.messages;
        return false;
    }
    record = *load.project;
    return true;
}

// Applies the flags over the defaults or the project, as if typed into the window. Returns false on a bad
// value (recorded in args).
bool applyFlags(cli::Arguments& args, HeatingUnitProject& record)
{
    cli::applyFormOptions(args, heating::heatingUnitInputs(), record);
    if (const auto angle = args.value(u"--angle"_s)) {
        const auto& angles = heating::jetAngles;
        const auto found = std::find_if(
            angles.begin(), angles.end(), [&](int a) { return QString::number(a) == angle->trimmed(); });
        if (found == angles.end())
            args.addError(u"--angle wants one of 0, -30, -45, -60, -90"_s);
        else
            record.angleItem = static_cast<int>(found - angles.begin());
    }
    if (const auto mode = args.value(u"--mode"_s)) {
        if (*mode == u"compute")
            record.mode = static_cast<int>(heating::DemandMode::Compute);
        else if (*mode == u"given")
            record.mode = static_cast<int>(heating::DemandMode::Given);
        else
            args.addError(u"--mode wants compute or given"_s);
    }
    if (const auto building = args.value(u"--building"_s)) {
        bool ok = false;
        const int type = building->trimmed().toInt(&ok);
        if (!ok || type < 1 || type > heating::buildingTypeCount)
            args.addError(u"--building wants 1, 2 or 3"_s);
        else
            record.buildingType = type - 1;
    }
    return args.errors().isEmpty();
}

QJsonObject modelJson(const heating::HeatingUnitModel& model, const heating::HeatingUnitResult* r)
{
    const auto value = [r](auto field) -> std::optional<double> {
        if (!r)
            return std::nullopt;
        return field(*r);
    };
    using R = heating::HeatingUnitResult;
    return {
        {u"name"_s, model.name},
        {u"output"_s, cli::jsonNumber(value([](const R& x) { return x.output; }))},
        {u"units"_s, r ? QJsonValue(static_cast<qint64>(r->units)) : QJsonValue(QJsonValue::Null)},
        {u"water_flow"_s, cli::jsonNumber(value([](const R& x) { return x.waterFlow; }))},
        {u"water_loss"_s, cli::jsonNumber(value([](const R& x) { return x.waterLoss; }))},
        {u"outlet_temp"_s, cli::jsonNumber(value([](const R& x) { return x.outletTemp; }))},
        {u"hmin"_s, cli::jsonNumber(value([](const R& x) { return x.hmin; }))},
        {u"xmax"_s, cli::jsonNumber(r ? r->xmax : std::nullopt)},
        {u"xmin"_s, cli::jsonNumber(r ? r->xmin : std::nullopt)},
        {u"area"_s, cli::jsonNumber(value([](const R& x) { return x.area; }))},
    };
}

void printJsonResult(const std::optional<heating::HeatingUnitRun>& run, const QStringList& messages)
{
    QJsonArray models;
    const auto& catalogue = heating::heatingUnitModels();
    for (std::size_t i = 0; i < catalogue.size(); ++i)
        models.append(modelJson(catalogue[i], run ? &run->models[i] : nullptr));
    cli::printJson(QJsonObject {
        {u"demand"_s, cli::jsonNumber(run ? std::optional<double>(run->demand) : std::nullopt)},
        {u"models"_s, models},
        {u"messages"_s, QJsonArray::fromStringList(messages)},
    });
}

void printTextResult(const heating::HeatingUnitRun& run)
{
    const auto n = [](double v) { return QString::number(v, 'g', 4); };
    const auto optional = [&](const std::optional<double>& v) { return v ? n(*v) : u"-"_s; };
    cli::printLine(u"Необходимая мощность для нагрева, кВт: "_s + n(run.demand));
    cli::printLine(u"Модель   Q,кВт    N      W,кг/ч   dPw,кПа  tвых,°C  Hmin,м   Xmax,м   Xmin,м   F,м2"_s);
    const auto& catalogue = heating::heatingUnitModels();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const heating::HeatingUnitResult& r = run.models[i];
        const QStringList cells = {catalogue[i].name, n(r.output), QString::number(r.units), n(r.waterFlow),
            n(r.waterLoss), n(r.outletTemp), n(r.hmin), optional(r.xmax), optional(r.xmin), n(r.area)};
        QString line;
        for (const QString& cell : cells)
            line += cell.leftJustified(9);
        cli::printLine(line.trimmed());
    }
}

int luma(cli::Arguments& args)
{
    const QStringList unknown = args.unknownFlags(cli::formOptions(heating::heatingUnitInputs())
        + QStringList {u"--angle"_s, u"--mode"_s, u"--building"_s, u"--project"_s});
    if (!unknown.isEmpty()) {
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
        return cli::BadArguments;
    }
    const bool json = args.has(u"--json"_s);
    HeatingUnitProject record = heating::defaultHeatingUnitProject();
    QStringList messages;
    const auto fail = [&] {
        if (json)
            printJsonResult(std::nullopt, messages);
        else
            for (const QString& m : messages)
                cli::printError(m);
        return cli::Failure;
    };
    if (const auto project = args.value(u"--project"_s)) {
        if (!applyProject(*project, record, messages))
            return fail();
    }
    if (!applyFlags(args, record))
        return cli::BadArguments;
    // The window's rule: the numbers the demand mode uses, the first that is not a number ends the run.
    const auto read = heating::heatingUnitInputsOf(record, projectSeparator);
    if (!read.inputs) {
        messages << badNumberMessages(read.badText);
        return fail();
    }
    const heating::HeatingUnitInputs& inputs = *read.inputs;

    const heating::HeatingUnitOutcome outcome = heating::calculateHeatingUnits(inputs);
    if (!outcome.run)
        messages << outcome.message;
    if (json)
        printJsonResult(outcome.run, messages);
    else if (outcome.run)
        printTextResult(*outcome.run);
    else
        cli::printError(outcome.message);
    return outcome.run ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("luma",
    "luma [--tn T] [--tv T] [--tw1 T] [--tw2 T] [--angle 0|-30|-45|-60|-90] [--mode compute|given] "
    "[--building 1|2|3] [--volume V] [--gains Q] [--demand Q] [--project FILE] [--json]",
    luma);
