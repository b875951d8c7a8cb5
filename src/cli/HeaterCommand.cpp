#include "cli/CliCommand.h"
#include "common/StoreError.h"
#include "unit/UnitHeaters.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace Qt::StringLiterals;

// zfn-cli heater: the heater model of one type for an assembled unit, as the unit window chooses it.
namespace {

using unit::HeaterKind;

QJsonObject heaterJson(const unit::HeaterInputs& in, const unit::HeaterOutcome& outcome, HeaterKind kind,
    const QStringList& messages)
{
    const unit::HeaterChoice* c = outcome.choice ? &*outcome.choice : nullptr;
    const bool water = kind == HeaterKind::Water;
    const auto number = [c](auto field) -> QJsonValue {
        return c ? cli::jsonNumber(field(c->variant)) : QJsonValue(QJsonValue::Null);
    };
    const auto waterNumber = [&](auto field) { return water ? number(field) : QJsonValue(QJsonValue::Null); };
    using V = unit::THeaterVariant;
    return {
        {u"found"_s, c && c->found},
        {u"model"_s, c ? QJsonValue(c->variant.model) : QJsonValue(QJsonValue::Null)},
        {u"section"_s, c ? QJsonValue(c->variant.kanalIndex) : QJsonValue(QJsonValue::Null)},
        {u"kA"_s, cli::jsonNumber(c ? c->kA : std::nullopt)},
        {u"heat_output"_s, number([](const V& v) { return v.heatOutput; })},
        {u"air_loss"_s, number([](const V& v) { return v.airLoss; })},
        {u"water_loss"_s, waterNumber([](const V& v) { return v.waterLoss; })},
        {u"air_out"_s, number([](const V& v) { return v.airOutlet; })},
        {u"water_out"_s, waterNumber([](const V& v) { return v.waterOutlet; })},
        {u"water_flow"_s, waterNumber([](const V& v) { return v.waterFlow; })},
        {u"required_area"_s,
            outcome.message.isEmpty() ? cli::jsonNumber(unit::requiredHeaterArea(in))
                                      : QJsonValue(QJsonValue::Null)},
        {u"messages"_s, QJsonArray::fromStringList(messages)},
    };
}

void printText(const unit::HeaterChoice& c, HeaterKind kind)
{
    const auto n = [](double v) { return QString::number(v, 'g', 4); };
    const unit::THeaterVariant& v = c.variant;
    cli::printLine(u"Подобранная модель теплообменника: "_s + v.model + u" (сечение "_s
        + QString::number(v.kanalIndex) + u")"_s);
    cli::printLine(u"Тепловая мощность, кВт: "_s + n(v.heatOutput));
    cli::printLine(u"Температура воздуха на выходе, °C: "_s + n(v.airOutlet));
    cli::printLine(u"Сопротивление воздуху, Па: "_s + n(v.airLoss));
    if (kind == HeaterKind::Water) {
        cli::printLine(u"Расход воды, кг/час: "_s + n(v.waterFlow));
        cli::printLine(u"Температура горячей воды на выходе, °C: "_s + n(v.waterOutlet));
        cli::printLine(u"Сопротивление воде, кПа: "_s + n(v.waterLoss));
    }
}

int heater(cli::Arguments& args)
{
    const QStringList unknown = args.unknownFlags({u"--kind"_s, u"--type"_s, u"--flow"_s, u"--t1"_s,
        u"--t2"_s, u"--tj1"_s, u"--tj2"_s, u"--vmax"_s, u"--cooler-area"_s});
    if (!unknown.isEmpty())
        args.addError(u"unknown option: %1"_s.arg(unknown.join(u", "_s)));
    const std::optional<QString> kindText = args.value(u"--kind"_s);
    if (!kindText || (*kindText != u"water" && *kindText != u"electric"))
        args.addError(u"heater needs --kind water|electric"_s);
    const std::optional<QString> type = args.value(u"--type"_s);
    if (!type || type->trimmed().isEmpty())
        args.addError(u"heater needs --type TIP"_s);
    unit::HeaterInputs in;
    const struct {
        const char* flag;
        double& target;
    } numbers[] = {{"--flow", in.flow}, {"--t1", in.airIn}, {"--t2", in.airOut}, {"--tj1", in.waterIn},
        {"--tj2", in.waterOut}, {"--vmax", in.maxSpeed}};
    for (const auto& n : numbers) {
        if (const auto value = args.number(QLatin1String(n.flag)))
            n.target = *value;
    }
    in.coolerArea = args.number(u"--cooler-area"_s);
    if (!args.errors().isEmpty())
        return cli::BadArguments;

    const HeaterKind kind = *kindText == u"water" ? HeaterKind::Water : HeaterKind::Electric;
    const bool json = args.has(u"--json"_s);
    unit::HeaterOutcome outcome;
    QStringList messages;
    try {
        unit::ElementStore store = unit::pritoshkaElementStore();
        outcome = unit::selectCatalogueHeater(store, kind, *type, in, store.sections());
    } catch (const CatalogueError& error) {
        outcome.message = error.message();
    }
    if (!outcome.message.isEmpty())
        messages << outcome.message;
    else if (!outcome.choice)
        messages << u"В каталоге нет теплообменников типа \"%1\""_s.arg(type->trimmed());
    else if (!outcome.choice->found)
        messages << u"Ни одна модель типа \"%1\" не обеспечивает требуемую мощность в допустимом сечении: "
                    u"показана последняя модель типа"_s.arg(type->trimmed());
    if (outcome.choice) {
        if (const QString shortfall = unit::heaterShortfallMessage(outcome.choice->variant, QLatin1Char('.'));
            !shortfall.isEmpty())
            messages << shortfall;
    }
    if (json)
        cli::printJson(heaterJson(in, outcome, kind, messages));
    else {
        if (outcome.choice)
            printText(*outcome.choice, kind);
        for (const QString& m : messages)
            cli::printError(m);
    }
    return outcome.choice ? cli::Ok : cli::Failure;
}

} // namespace

ZFN_CLI_COMMAND("heater",
    "heater --kind water|electric --type TIP --flow G --t1 T --t2 T [--tj1 T --tj2 T] --vmax V "
    "[--cooler-area S] [--json]",
    heater);
