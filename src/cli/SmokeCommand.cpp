#include "cli/CalculationRunJson.h"
#include "cli/CliCommand.h"
#include "cli/FormOptions.h"
#include "cli/ReportOutputs.h"
#include "smoke/SmokeForm.h"
#include "smoke/SmokeProjectFile.h"
#include "smoke/SmokeWizard.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli smoke: the smoke-exhaust system calculation of a project file, stepped through its five pages
// as the window's "Далее" would.
namespace {

// Numbers in a project file are read back with "." as decimal mark, whatever the locale.
constexpr QChar projectSeparator = QLatin1Char('.');

QJsonValue number(const std::optional<double>& value)
{
    return cli::jsonNumber(value);
}

QJsonObject valuesJson(const smoke::SmokeResult* r)
{
    const auto v = [r](auto field) -> QJsonValue {
        if (!r)
            return QJsonValue::Null;
        return number(std::optional<double>(field(*r)));
    };
    using R = smoke::SmokeResult;
    QJsonArray sections;
    if (r) {
        for (const smoke::ShaftSectionFlow& s : r->sections)
            sections.append(QJsonObject {{u"v"_s, number(s.velocity)}, {u"d"_s, number(s.diameter)},
                {u"p"_s, number(s.pressureLoss)}});
    }
    return {
        {u"n"_s, r ? number(r->doorCoefficient) : QJsonValue::Null},
        {u"G"_s, v([](const R& x) { return x.smokeFlow; })},
        {u"vk"_s, v([](const R& x) { return x.valveVelocity; })},
        {u"pk"_s, v([](const R& x) { return x.valveLoss; })},
        {u"sum_psh"_s, v([](const R& x) { return x.shaftLoss; })},
        {u"Gk"_s, v([](const R& x) { return x.valveLeak; })},
        {u"Ksh"_s, v([](const R& x) { return x.shaftLeakCoefficient; })},
        {u"Gsh"_s, v([](const R& x) { return x.shaftLeak; })},
        {u"Gc"_s, v([](const R& x) { return x.totalFlow; })},
        {u"rho_v"_s, v([](const R& x) { return x.fanDensity; })},
        {u"Tv"_s, v([](const R& x) { return x.fanTemperature; })},
        {u"Pk"_s, v([](const R& x) { return x.correctedLoss; })},
        {u"Qv"_s, v([](const R& x) { return x.fanFlow; })},
        {u"Pv"_s, v([](const R& x) { return x.fanPressure; })},
        {u"sections"_s, r ? QJsonValue(sections) : QJsonValue(QJsonValue::Null)},
    };
}

QJsonValue dutyJson(const std::optional<SmokeDuty>& duty)
{
    if (!duty)
        return QJsonValue::Null;
    return QJsonObject {{u"flow"_s, number(duty->flow)}, {u"pressure"_s, number(duty->pressure)},
        {u"roof_fan"_s, duty->roofFan}, {u"hot_gas"_s, duty->hotGas}};
}

void printResult(bool json, const QStringList& messages, const smoke::SmokeRun* run)
{
    const smoke::SmokeResult* result = run && run->wizard.result() ? &*run->wizard.result() : nullptr;
    if (json) {
        QJsonObject out = cli::calculationRunJson(
            result != nullptr, messages, run ? run->stoppedAtPage : std::optional<int>(1));
        out.insert(u"duty"_s, dutyJson(run ? smoke::smokeDuty(run->wizard) : std::nullopt));
        out.insert(u"values"_s, valuesJson(result));
        cli::printJson(out);
        return;
    }
    for (const QString& m : messages)
        cli::printError(m);
    if (!result)
        return;
    const SmokeDuty duty = *smoke::smokeDuty(run->wizard);
    cli::printLine(u"Требуемый расход вентилятора, м³/ч: "_s + QString::number(duty.flow, 'f', 0));
    cli::printLine(u"Требуемое давление вентилятора, Па: "_s + QString::number(duty.pressure, 'f', 0));
    cli::printLine(
        u"Температура газов перед вентилятором, °C: "_s + QString::number(result->fanTemperature, 'f', 1));
    cli::printLine(u"Вентилятор: "_s + (duty.roofFan ? u"крышный"_s : u"другой"_s));
}

int smokeCommand(cli::Arguments& args)
{
    const QStringList unknown = args.unknownFlags(
        cli::formOptions(smoke::smokeInputs()) + QStringList {u"--project"_s} + cli::reportOutputFlags());
    if (!unknown.isEmpty()) {
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
        return cli::BadArguments;
    }
    const std::optional<QString> path = args.value(u"--project"_s);
    if (!path || path->isEmpty()) {
        args.addError(u"smoke wants --project FILE.smkprj"_s);
        return cli::BadArguments;
    }
    const bool json = args.has(u"--json"_s);
    const auto load = loadProjectFile(smoke::smokeProjectFile(), *path, projectSeparator);
    if (!load.project) {
        printResult(json, load.messages, nullptr);
        return cli::Failure;
    }
    // The options over the project, as if typed into the window's boxes.
    smoke::SmokeProject project = *load.project;
    cli::applyFormOptions(args, smoke::smokeInputs(), project);
    if (!args.errors().isEmpty())
        return cli::BadArguments;
    const smoke::SmokeRun run = smoke::runSmokeProject(project, projectSeparator);
    if (!cli::writeReportOutputs(args, run.wizard.report().document()))
        return cli::Failure;
    printResult(json, run.messages, &run);
    return run.wizard.result() ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("smoke",
    "smoke --project FILE.smkprj [--door-height H] ... [--outlet-resistance Y] [--report-rtf FILE] [--pages "
    "BASE] "
    "[--report-pdf FILE] [--json]",
    smokeCommand);
