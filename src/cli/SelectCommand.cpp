#include "cli/CliCommand.h"
#include "cli/FanJson.h"
#include "cli/SelectionOptions.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "fans/DutySpeedFan.h"
#include "fans/FanCatalogue.h"
#include "fans/FanDesignation.h"
#include "fans/FoundFanRow.h"
#include "fans/GeneralSelection.h"
#include "fans/SelectionValidation.h"
#include "fans/SpeedControlledSelection.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli select: the general-ventilation fan selection of the selection window, on the catalogue of the
// alias VOzuvada, with every series of the group ticked unless --series names them.
namespace {

using namespace fans;

// Numbers written by the command use "." whatever the locale.
constexpr QChar cliSeparator = QLatin1Char('.');

std::optional<FanGroup> groupOf(const QString& text)
{
    if (text == u"duct")
        return FanGroup::Duct;
    if (text == u"roof")
        return FanGroup::Roof;
    if (text == u"pressurization")
        return FanGroup::Pressurization;
    return std::nullopt;
}

// Reads the options into a request; records bad arguments in args.
std::optional<SelectionRequest> requestOf(cli::Arguments& args)
{
    SelectionRequest request;
    const auto flow = args.number(u"--flow"_s);
    const auto pressure = args.number(u"--pressure"_s);
    if (!args.value(u"--flow"_s) || !args.value(u"--pressure"_s))
        args.addError(u"select needs --flow Q and --pressure P"_s);
    if (!flow || !pressure)
        return std::nullopt;
    request.flow = *flow;
    request.pressure = *pressure;
    request.rangePercent = cli::rangePercentOf(args);
    const QString groupText = args.value(u"--group"_s).value_or(u"duct"_s);
    const auto group = groupOf(groupText);
    if (!group) {
        cli::addBadValue(args, u"--group"_s, groupText, u"duct, roof or pressurization"_s);
        return std::nullopt;
    }
    request.group = *group;
    // Duct fans are selected by total pressure, roof fans by static pressure, pressurization fans by either.
    request.pressureKind = request.group == FanGroup::Roof ? PressureKind::Static : PressureKind::Total;
    if (const auto kind = args.value(u"--pressure-kind"_s)) {
        const PressureKind wanted = *kind == u"static" ? PressureKind::Static : PressureKind::Total;
        if (*kind != u"static" && *kind != u"total")
            cli::addBadValue(args, u"--pressure-kind"_s, *kind, u"total or static"_s);
        else if (request.group != FanGroup::Pressurization && wanted != request.pressureKind)
            args.addError(request.group == FanGroup::Roof ? u"roof fans are selected by static pressure"_s
                                                          : u"duct fans are selected by total pressure"_s);
        else
            request.pressureKind = wanted;
    }
    if (const auto poles = args.value(u"--poles"_s)) {
        const auto ticks = cli::ticksOf<4>(*poles, {2, 4, 6, 8});
        if (ticks)
            request.poles = *ticks;
        else
            cli::addBadValue(args, u"--poles"_s, *poles, u"a list of 2, 4, 6, 8"_s);
    }
    if (const auto phases = args.value(u"--phases"_s)) {
        const auto ticks = cli::ticksOf<2>(*phases, {1, 3});
        if (ticks) {
            request.singlePhase = (*ticks)[0];
            request.threePhase = (*ticks)[1];
        } else {
            cli::addBadValue(args, u"--phases"_s, *phases, u"a list of 1, 3"_s);
        }
    }
    return request;
}

// The series, diameter and size lists of the window, ticked as the options say.
void fillLists(cli::Arguments& args, SelectionRequest& request)
{
    const QStringList chosenSeries = args.values(u"--series"_s);
    QStringList known;
    for (const SeriesEntry& entry : FanCatalogue::generalSeries()) {
        if (entry.group != request.group)
            continue;
        known << entry.name;
        if (chosenSeries.isEmpty() || chosenSeries.contains(entry.name))
            request.series.push_back({entry.name, entry.icon == RoundDuctIcon});
    }
    for (const QString& name : chosenSeries) {
        if (!known.contains(name))
            args.addError(u"no series \""_s + name + u"\" in the chosen group"_s);
    }
    request.diameters = cli::diameterList(args, FanCatalogue::diameterTexts(CatalogueKind::General));
    QStringList sizes;
    for (const DuctSizeEntry& entry : FanCatalogue::ductSizes())
        sizes << entry.text;
    request.sizes = cli::ductSizeList(args, sizes);
}

QJsonObject fanJson(const FoundFan& fan, FanGroup group, int number, double requiredFlow)
{
    QJsonObject json = cli::generalFanJson(fan, group, number, requiredFlow);
    json.insert(u"curve"_s, cli::curveJson(fan.swept));
    return json;
}

void printText(const SelectionOutcome& outcome, FanGroup group)
{
    const DutyBand& b = outcome.band;
    cli::printLine(u"Qmin %1  Qmax %2  k %3  Pmax %4"_s.arg(b.qmin).arg(b.qmax).arg(b.k).arg(b.pmax));
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const QStringList row = foundFanRow(outcome.fans[i], group, int(i + 1), cliSeparator);
        cli::printLine(row.mid(0, 4).join(u"\t"_s) + u"\t"_s + row.at(7) + u"\t"_s + row.at(14));
    }
}

void printSpeedControlledText(const SpeedControlledOutcome& outcome)
{
    for (size_t i = 0; i < outcome.fans.size(); ++i) {
        const SpeedControlledFan& fan = outcome.fans[i];
        const auto fixed = [](std::optional<double> value, int decimals) {
            return value ? QString::number(*value, 'f', decimals) : u"-"_s;
        };
        cli::printLine(QStringList {QString::number(i + 1), generalDesignation(*fan.record),
            QString::number(roundHalfEven(fan.fullSpeedFlow)), QString::number(fan.speedRatio * 100, 'f', 1),
            fixed(fan.speed, 0), fixed(fan.power, 3), fixed(fan.efficiency, 3), fixed(fan.sfp, 3),
            fan.sfpClass ? u"SFP%1"_s.arg(*fan.sfpClass) : u"-"_s}
                           .join(u"\t"_s));
    }
}

// The selection with speed control: the fans that meet the duty at a reduced speed, ranked by power.
int runSpeedControlled(cli::Arguments& args, SelectionRequest& request, int minSpeedPercent)
{
    SpeedControlledRun run; // the records the outcome points into, kept until printed
    SpeedControlledOutcome& outcome = run.outcome;
    try {
        fillLists(args, request);
        if (!args.errors().isEmpty())
            return cli::BadArguments;
        if (const RequestFault fault = checkRequest(request); fault != RequestFault::None) {
            outcome.messages << faultMessage(fault);
        } else {
            run = runSpeedControlledSelection(request, minSpeedPercent);
        }
    } catch (const CatalogueError& error) {
        outcome.fans.clear();
        outcome.messages << error.message();
    }
    if (args.has(u"--json"_s)) {
        QJsonArray fans;
        for (size_t i = 0; i < outcome.fans.size(); ++i) {
            QJsonObject json = cli::speedControlledFanJson(outcome.fans[i], request.group, int(i + 1));
            QJsonArray curve;
            for (const QPointF& p : dutySpeedCurve(outcome.fans[i]))
                curve.append(QJsonArray {p.x(), p.y()});
            json.insert(u"curve"_s, curve);
            cli::addDutySpeedSheet(json, listedAtDutySpeed(outcome.fans[i], outcome, request.group));
            fans.append(json);
        }
        cli::printJson(QJsonObject {
            {u"fans"_s, fans},
            {u"messages"_s, QJsonArray::fromStringList(outcome.messages)},
        });
    } else {
        printSpeedControlledText(outcome);
        for (const QString& message : outcome.messages)
            cli::printLine(message);
    }
    return outcome.fans.empty() ? cli::Failure : cli::Ok;
}

int runSelect(cli::Arguments& args)
{
    static const QStringList withValues {u"--flow"_s, u"--pressure"_s, u"--range"_s, u"--group"_s,
        u"--pressure-kind"_s, u"--series"_s, u"--diameter"_s, u"--size"_s, u"--poles"_s, u"--phases"_s,
        u"--min-speed"_s};
    for (const QString& flag : args.unknownFlags(withValues + QStringList {u"--speed-control"_s}))
        args.addError(u"unknown option "_s + flag);
    cli::checkValuesGiven(args, withValues);
    auto request = requestOf(args);
    const auto minSpeed = cli::speedControlOf(args);
    if (!request || !args.errors().isEmpty())
        return cli::BadArguments;
    if (minSpeed)
        return runSpeedControlled(args, *request, *minSpeed);

    SelectionOutcome outcome;
    FanCatalogue::Records catalogue; // the records the outcome points into, kept until printed
    outcome.band = DutyBand::around(request->flow, request->pressure, request->rangePercent);
    try {
        fillLists(args, *request);
        if (!args.errors().isEmpty())
            return cli::BadArguments;
        const RequestFault fault = checkRequest(*request);
        if (fault != RequestFault::None) {
            outcome.status = SelectionOutcome::Status::NothingAccepted;
            outcome.messages << faultMessage(fault);
        } else {
            GeneralSelection run = runGeneralSelection(*request);
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
                fans.append(fanJson(outcome.fans[i], request->group, int(i + 1), request->flow));
        }
        cli::printJson(QJsonObject {
            {u"band"_s, cli::bandJson(outcome.band)},
            {u"fans"_s, fans},
            {u"messages"_s, QJsonArray::fromStringList(outcome.messages)},
        });
    } else {
        if (listed)
            printText(outcome, request->group);
        for (const QString& message : outcome.messages)
            cli::printLine(message);
    }
    return listed ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("select",
    "select --flow Q --pressure P [--range R] [--group duct|roof|pressurization] [--pressure-kind "
    "total|static] "
    "[--series NAME]... [--diameter D]... [--size TEXT]... [--poles 2,4,6,8] [--phases 1,3] "
    "[--speed-control [--min-speed PCT]] [--json]",
    runSelect);
