#include "cli/CliCommand.h"
#include "cli/FanJson.h"
#include "cli/SelectionOptions.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/FanCatalogue.h"
#include "fans/FanDesignation.h"
#include "fans/SmokeFoundFanRow.h"
#include "fans/SmokeSelection.h"
#include "fans/SmokeSelectionValidation.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli select-smoke: the smoke-exhaust fan selection of the smoke-exhaust selection window, on the
// catalogue of the alias VOzuvada, with every series of the group ticked unless --series names them.
namespace {

using namespace fans;

constexpr QChar cliSeparator = QLatin1Char('.');

// Reads the options into a request; records bad arguments in args. Temperature, flow and pressure out of
// their range are bad arguments here, where the window shows its messages.
std::optional<SmokeSelectionRequest> requestOf(cli::Arguments& args)
{
    SmokeSelectionRequest request;
    const auto flow = args.number(u"--flow"_s);
    const auto pressure = args.number(u"--pressure"_s);
    const auto temperature = args.number(u"--temperature"_s);
    if (!args.value(u"--flow"_s) || !args.value(u"--pressure"_s) || !args.value(u"--temperature"_s))
        args.addError(u"select-smoke needs --flow Q, --pressure P and --temperature T"_s);
    if (!flow || !pressure || !temperature)
        return std::nullopt;
    request.flow = *flow;
    request.pressure = *pressure;
    request.temperature = *temperature;
    request.temperatureText = args.value(u"--temperature"_s)->trimmed();
    if (!(request.temperature > -273))
        args.addError(u"--temperature must be above -273 °C"_s);
    if (!(request.flow > 0))
        args.addError(u"--flow must be greater than 0 m³/h"_s);
    if (!(request.pressure > 0))
        args.addError(u"--pressure must be greater than 0 Pa"_s);
    request.rangePercent = cli::rangePercentOf(args);

    const QString group = args.value(u"--group"_s).value_or(u"roof"_s);
    if (group == u"roof")
        request.group = SmokeGroup::RoofWall;
    else if (group == u"radial")
        request.group = SmokeGroup::RadialAxial;
    else
        cli::addBadValue(args, u"--group"_s, group, u"roof or radial"_s);

    const QString fire = args.value(u"--fire"_s).value_or(u"400"_s);
    if (fire == u"400")
        request.fireClass = FireClass::C400;
    else if (fire == u"600")
        request.fireClass = FireClass::C600;
    else
        cli::addBadValue(args, u"--fire"_s, fire, u"400 or 600"_s);

    if (const auto poles = args.value(u"--poles"_s)) {
        if (const auto ticks = cli::ticksOf<6>(*poles, smokePoleCounts))
            request.poles = *ticks;
        else
            cli::addBadValue(args, u"--poles"_s, *poles, u"a list of 2, 4, 6, 8, 12, 16"_s);
    }
    return request;
}

// The series and diameter lists of the window, ticked as the options say.
void fillLists(cli::Arguments& args, SmokeSelectionRequest& request)
{
    const QStringList chosenSeries = args.values(u"--series"_s);
    QStringList known;
    for (const SmokeSeriesEntry& entry : FanCatalogue::smokeSeries()) {
        if (entry.group != request.group)
            continue;
        known << entry.name;
        if (chosenSeries.isEmpty() || chosenSeries.contains(entry.name))
            request.series.push_back(entry.name);
    }
    for (const QString& name : chosenSeries) {
        if (!known.contains(name))
            args.addError(u"no series \""_s + name + u"\" in the chosen group"_s);
    }
    request.diameters = cli::diameterList(args, FanCatalogue::diameterTexts(CatalogueKind::Smoke));
}

QJsonObject fanJson(const FoundFan& fan, FireClass fireClass, int number, double requiredFlow)
{
    QJsonObject json = cli::smokeFanJson(fan, fireClass, number, requiredFlow);
    json.insert(u"curve"_s, cli::curveJson(fan.swept));
    return json;
}

void printText(const SelectionOutcome& outcome, const SmokeSelectionRequest& request)
{
    const DutyBand& b = outcome.band;
    cli::printLine(u"Qmin %1  Qmax %2  k %3  Pmax %4  gas density %5 kg/m³"_s.arg(b.qmin)
                       .arg(b.qmax)
                       .arg(b.k)
                       .arg(b.pmax)
                       .arg(gasDensity(request.temperature)));
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const QStringList row
            = smokeFoundFanRow(outcome.fans[i], request.fireClass, int(i + 1), cliSeparator);
        cli::printLine(row.mid(0, 4).join(u"\t"_s) + u"\t"_s + row.at(6) + u"\t"_s + row.at(10).trimmed());
    }
}

int runSelectSmoke(cli::Arguments& args)
{
    static const QStringList known {u"--flow"_s, u"--pressure"_s, u"--temperature"_s, u"--range"_s,
        u"--group"_s, u"--fire"_s, u"--series"_s, u"--diameter"_s, u"--poles"_s};
    for (const QString& flag : args.unknownFlags(known))
        args.addError(u"unknown option "_s + flag);
    cli::checkValuesGiven(args, known);
    auto request = requestOf(args);
    if (!request || !args.errors().isEmpty())
        return cli::BadArguments;

    SelectionOutcome outcome;
    FanCatalogue::Records catalogue; // the records the outcome points into, kept until printed
    outcome.band = DutyBand::around(request->flow, request->pressure, request->rangePercent);
    try {
        fillLists(args, *request);
        if (!args.errors().isEmpty())
            return cli::BadArguments;
        const SmokeRequestFault fault = checkSmokeRequest(*request);
        if (fault != SmokeRequestFault::None) {
            outcome.status = SelectionOutcome::Status::NothingAccepted;
            outcome.messages << smokeFaultMessage(fault, request->group);
        } else {
            SmokeSelection run = runSmokeSelection(*request);
            outcome = std::move(run.outcome);
            catalogue = run.catalogue;
        }
    } catch (const CatalogueError& error) {
        outcome.fans.clear();
        outcome.messages << error.message();
        outcome.status = SelectionOutcome::Status::NothingAccepted;
    }
    const bool listed = outcome.status == SelectionOutcome::Status::Listed;
    if (args.has(u"--json"_s)) {
        QJsonArray fans;
        if (listed) {
            for (size_t i = 0; i < outcome.fans.size(); ++i)
                fans.append(fanJson(outcome.fans[i], request->fireClass, int(i + 1), request->flow));
        }
        cli::printJson(QJsonObject {
            {u"band"_s, cli::bandJson(outcome.band)},
            {u"gas"_s,
                QJsonObject {{u"temperature"_s, request->temperature},
                    {u"density"_s, cli::jsonNumber(gasDensity(request->temperature))},
                    {u"curve_factor"_s, cli::jsonNumber(gasCurveFactor(request->temperature))}}},
            {u"fans"_s, fans},
            {u"messages"_s, QJsonArray::fromStringList(outcome.messages)},
        });
    } else {
        if (listed)
            printText(outcome, *request);
        for (const QString& message : outcome.messages)
            cli::printLine(message);
    }
    return listed ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("select-smoke",
    "select-smoke --flow Q --pressure P --temperature T [--range R] [--group roof|radial] [--fire 400|600] "
    "[--series NAME]... [--diameter D]... [--poles 2,4,6,8,12,16] [--json]",
    runSelectSmoke);
