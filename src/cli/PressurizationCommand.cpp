#include "cli/CalculationRunJson.h"
#include "cli/CliCommand.h"
#include "cli/ReportOutputs.h"
#include "pressurization/SupplyProjectFile.h"
#include "pressurization/SupplyWizard.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli pressurization: the pressurization calculation of a project file, stepped through the pages
// of its scheme as the window's "Далее" would.
namespace {

// Numbers in a project file are read back with "." as decimal mark, whatever the locale.
constexpr QChar projectSeparator = QLatin1Char('.');

using pressurization::SupplyResult;

QJsonObject valuesJson(const SupplyResult* r)
{
    const auto v = [r](auto field) -> QJsonValue {
        return r ? cli::jsonNumber(std::optional<double>(field(*r))) : QJsonValue(QJsonValue::Null);
    };
    const auto optional = [r](auto field) -> QJsonValue {
        return r ? cli::jsonNumber(field(*r)) : QJsonValue(QJsonValue::Null);
    };
    QJsonArray losses;
    for (int fan = 0; fan < pressurization::supplyFanLimit; ++fan)
        losses.append(r ? cli::jsonNumber(r->ductLosses[fan]) : QJsonValue(QJsonValue::Null));
    using R = SupplyResult;
    return {
        {u"rho_n"_s, v([](const R& x) { return x.outdoorDensity; })},
        {u"Y_Y"_s, v([](const R& x) { return x.stackTerm; })},
        {u"Ntab"_s, v([](const R& x) { return double(x.heightClass); })},
        {u"Pvs"_s, optional([](const R& x) { return x.lobbyPressure; })},
        {u"Pksh"_s, optional([](const R& x) { return x.shaftStairDifference; })},
        {u"Psh1"_s, v([](const R& x) { return x.shaftPressure; })},
        {u"Gsh1"_s, optional([](const R& x) { return x.firstFloorFlow; })},
        {u"Gsr"_s, v([](const R& x) { return x.meanFloorFlow; })},
        {u"G"_s, optional([](const R& x) { return x.fanMassFlow; })},
        {u"Q"_s, optional([](const R& x) { return x.fanVolumeFlow; })},
        {u"Pv"_s, optional([](const R& x) { return x.fanPressure; })},
        {u"Gdv"_s, optional([](const R& x) { return x.doorFlow; })},
        {u"Gob"_s, optional([](const R& x) { return x.totalFlow; })},
        {u"Qob"_s, optional([](const R& x) { return x.totalVolumeFlow; })},
        {u"Gk"_s, optional([](const R& x) { return x.stairFlow; })},
        {u"Gsh"_s, optional([](const R& x) { return x.shaftFlow; })},
        {u"Qsh"_s, optional([](const R& x) { return x.shaftVolumeFlow; })},
        {u"Qk"_s, optional([](const R& x) { return x.stairVolumeFlow; })},
        {u"Pvsh"_s, optional([](const R& x) { return x.shaftFanPressure; })},
        {u"Pvk"_s, optional([](const R& x) { return x.stairFanPressure; })},
        {u"Gobn"_s, optional([](const R& x) { return x.lowerTotalFlow; })},
        {u"Qobn"_s, optional([](const R& x) { return x.lowerTotalVolumeFlow; })},
        {u"Gkn"_s, optional([](const R& x) { return x.lowerStairFlow; })},
        {u"Qkn"_s, optional([](const R& x) { return x.lowerStairVolumeFlow; })},
        {u"Gshn"_s, optional([](const R& x) { return x.lowerShaftFlow; })},
        {u"Pnzk"_s, optional([](const R& x) { return x.lowerZonePressure; })},
        {u"Pvzk"_s, optional([](const R& x) { return x.upperZonePressure; })},
        {u"Gkv"_s, optional([](const R& x) { return x.upperStairFlow; })},
        {u"Qkv"_s, optional([](const R& x) { return x.upperStairVolumeFlow; })},
        {u"Gvzk"_s, optional([](const R& x) { return x.upperZoneAir; })},
        {u"Gvzsh"_s, optional([](const R& x) { return x.upperShaftFlow; })},
        {u"Pvkv"_s, optional([](const R& x) { return x.upperStairFanPressure; })},
        {u"Pvkn"_s, optional([](const R& x) { return x.lowerStairFanPressure; })},
        {u"Pc"_s, losses},
    };
}

void printResult(bool json, const QStringList& messages, const pressurization::SupplyRun* run)
{
    const SupplyResult* result = run && run->wizard.result() ? &*run->wizard.result() : nullptr;
    if (json) {
        QJsonArray fans;
        if (result) {
            for (const pressurization::SupplyFan& fan : result->fans)
                fans.append(QJsonObject {
                    {u"flow"_s, cli::jsonNumber(fan.flow)}, {u"pressure"_s, cli::jsonNumber(fan.pressure)}});
        }
        QJsonObject out = cli::calculationRunJson(
            result != nullptr, messages, run ? run->stoppedAtPage : std::optional<int>(1));
        out.insert(u"fans"_s, fans);
        out.insert(u"values"_s, valuesJson(result));
        cli::printJson(out);
        return;
    }
    for (const QString& m : messages)
        cli::printError(m);
    if (!result)
        return;
    for (std::size_t i = 0; i < result->fans.size(); ++i) {
        const pressurization::SupplyFan& fan = result->fans[i];
        cli::printLine(u"Вентилятор %1: расход, м³/ч: %2; давление, Па: %3"_s.arg(i + 1).arg(
            QString::number(fan.flow, 'f', 0), QString::number(fan.pressure, 'f', 0)));
    }
}

int pressurizationCommand(cli::Arguments& args)
{
    const QStringList unknown = args.unknownFlags(QStringList {u"--project"_s} + cli::reportOutputFlags());
    if (!unknown.isEmpty()) {
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
        return cli::BadArguments;
    }
    const std::optional<QString> path = args.value(u"--project"_s);
    if (!path || path->isEmpty()) {
        args.addError(u"pressurization wants --project FILE.podporprj"_s);
        return cli::BadArguments;
    }
    const bool json = args.has(u"--json"_s);
    const auto load = loadProjectFile(pressurization::supplyProjectFile(), *path, projectSeparator);
    if (!load.project) {
        printResult(json, load.messages, nullptr);
        return cli::Failure;
    }
    const pressurization::SupplyRun run = pressurization::runSupplyProject(*load.project, projectSeparator);
    if (!cli::writeReportOutputs(args, run.wizard.report().document()))
        return cli::Failure;
    printResult(json, run.messages, &run);
    return run.wizard.result() ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("pressurization",
    "pressurization --project FILE.podporprj [--report-rtf FILE] [--pages BASE] [--report-pdf FILE] [--json]",
    pressurizationCommand);
