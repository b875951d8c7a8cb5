#include "cli/CliCommand.h"
#include "unit/CoolerSelection.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli cooler: the air cooler of an assembled unit and its condensing unit.
namespace {

QJsonObject coolerJson(const unit::CoolerOutcome& outcome, const QStringList& messages)
{
    const unit::CoolerResult* r = outcome.result ? &*outcome.result : nullptr;
    const auto number
        = [r](auto field) { return cli::jsonNumber(r ? std::optional<double>(field(*r)) : std::nullopt); };
    const auto text
        = [r](const QString& value) { return r ? QJsonValue(value) : QJsonValue(QJsonValue::Null); };
    using R = unit::CoolerResult;
    return {
        {u"type"_s, text(r ? r->type : QString())},
        {u"area"_s, number([](const R& x) { return x.area; })},
        {u"section"_s, r && r->section > 0 ? QJsonValue(r->section) : QJsonValue(QJsonValue::Null)},
        {u"size_text"_s, text(r ? r->sizeText : QString())},
        {u"model"_s, text(r ? r->model : QString())},
        {u"air_speed"_s, number([](const R& x) { return x.airSpeed; })},
        {u"sensible"_s, number([](const R& x) { return x.sensible; })},
        {u"latent"_s, number([](const R& x) { return x.latent; })},
        {u"total"_s, number([](const R& x) { return x.total; })},
        {u"air_loss"_s, number([](const R& x) { return x.airLoss; })},
        {u"water_flow"_s, cli::jsonNumber(r ? r->waterFlow : std::nullopt)},
        {u"water_loss"_s, cli::jsonNumber(r ? r->waterLoss : std::nullopt)},
        {u"condensing_unit"_s, text(r ? r->condensingUnit : QString())},
        {u"messages"_s, QJsonArray::fromStringList(messages)},
    };
}

void printText(const unit::CoolerResult& r)
{
    const auto n = [](double v) { return QString::number(v, 'g', 4); };
    cli::printLine(u"Модель: "_s + r.model);
    cli::printLine(u"Сопротивление: "_s + n(r.airLoss) + u" Па"_s);
    cli::printLine(u"Тепловая мощность: "_s + n(r.total) + u" кВт"_s);
    cli::printLine(u"Модель ККБ: "_s + r.condensingUnit);
    if (r.waterFlow)
        cli::printLine(u"Расход воды: "_s + n(*r.waterFlow) + u" л/час"_s);
    if (r.waterLoss)
        cli::printLine(u"Сопрот. воде: "_s + n(*r.waterLoss) + u" кПа"_s);
}

int cooler(cli::Arguments& args)
{
    const QStringList unknown = args.unknownFlags(
        {u"--series"_s, u"--flow"_s, u"--t1"_s, u"--t2"_s, u"--humidity"_s, u"--section"_s});
    if (!unknown.isEmpty())
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
    unit::CoolerInputs in;
    if (const auto series = args.value(u"--series"_s)) {
        if (*series == u"water")
            in.series = unit::CoolerSeries::Water;
        else if (*series != u"freon")
            args.addError(u"--series wants water or freon"_s);
    }
    const struct {
        const char* flag;
        double& target;
    } numbers[] = {{"--flow", in.flow}, {"--t1", in.airIn}, {"--t2", in.airOut}, {"--humidity", in.humidity}};
    for (const auto& n : numbers) {
        if (const auto value = args.number(QLatin1String(n.flag)))
            n.target = *value;
    }
    std::optional<int> section;
    if (const auto text = args.value(u"--section"_s)) {
        bool ok = false;
        section = text->trimmed().toInt(&ok);
        if (!ok)
            args.addError(u"--section wants a section index"_s);
    }
    if (!args.errors().isEmpty())
        return cli::BadArguments;

    const unit::CoolerOutcome outcome = unit::selectCooler(in, section);
    const QStringList messages = outcome.message.isEmpty() ? QStringList() : QStringList {outcome.message};
    if (args.has(u"--json"_s))
        cli::printJson(coolerJson(outcome, messages));
    else if (outcome.result)
        printText(*outcome.result);
    else
        cli::printError(outcome.message);
    return outcome.result ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("cooler",
    "cooler --series water|freon --flow G --t1 T --t2 T --humidity PHI [--section K] [--json]", cooler);
