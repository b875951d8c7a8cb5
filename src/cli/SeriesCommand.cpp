#include "cli/CliCommand.h"
#include "common/NumberText.h"
#include "common/StoreError.h"
#include "series/SeriesOverview.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>

using namespace Qt::StringLiterals;

// zfn-cli series: a whole fan series as its group characteristics window shows it: the grid's cells, the
// curves as drawn and the label of each fan.
namespace {

using namespace series;

// The grid's columns under their JSON names; a smoke-exhaust grid has no duct size and no noise.
struct CellKey {
    const char16_t* key;
    int general;
    int smoke; // -1: not in the smoke-exhaust grid
};
constexpr CellKey cellKeys[] = {{u"number", 0, 0}, {u"designation", 1, 1}, {u"diameter", 2, 2},
    {u"rpm", 3, 3}, {u"duct", 4, -1}, {u"power_max", 5, 4}, {u"poles", 6, 5}, {u"phases", 7, 6},
    {u"noise_in", 8, -1}, {u"noise_out", 9, -1}, {u"noise_case", 10, -1}, {u"code", 12, -1},
    {u"installed_power", 13, 7}, {u"mass", 14, 8}, {u"fire", -1, 9}};

QJsonObject fanJson(const SeriesFan& fan, SeriesKind kind)
{
    QJsonObject object;
    for (const CellKey& cell : cellKeys) {
        const int column = kind == SeriesKind::Smoke ? cell.smoke : cell.general;
        object.insert(
            QString::fromUtf16(cell.key), column < 0 ? QString() : fan.cells.value(column).trimmed());
    }
    object.insert(u"label"_s,
        fan.label ? QJsonValue(QJsonArray {fan.label->x(), fan.label->y()}) : QJsonValue(QJsonValue::Null));
    QJsonArray curve;
    for (const QPointF& point : fan.drawn)
        curve.append(QJsonArray {point.x(), point.y()});
    object.insert(u"curve"_s, curve);
    return object;
}

int runSeries(cli::Arguments& args)
{
    static const QStringList known {u"--name"_s, u"--smoke"_s, u"--icon"_s};
    for (const QString& flag : args.unknownFlags(known))
        args.addError(u"unknown option "_s + flag);
    const QString name = args.value(u"--name"_s).value_or(QString()).trimmed();
    if (name.isEmpty())
        args.addError(u"series needs --name NAME"_s);
    const auto icon = args.number(u"--icon"_s);
    if (!args.errors().isEmpty())
        return cli::BadArguments;
    const SeriesKind kind = args.has(u"--smoke"_s) ? SeriesKind::Smoke : SeriesKind::General;

    SeriesOverview overview;
    try {
        const std::vector<SeriesItem> items = seriesItems(kind);
        const auto found = std::find_if(items.begin(), items.end(), [&](const SeriesItem& item) {
            return item.name.compare(name.left(25), Qt::CaseInsensitive) == 0
                && (!icon || item.icon == *icon);
        });
        if (found == items.end()) {
            args.addError(u"no series \""_s + name + u"\" in the "_s
                + (kind == SeriesKind::Smoke ? u"smoke-exhaust"_s : u"general"_s) + u" catalogue"_s);
            return cli::BadArguments;
        }
        overview = seriesOverview(kind, *found, u'.');
    } catch (const CatalogueError& error) {
        cli::printError(error.message());
        return cli::Failure;
    }

    if (args.has(u"--json"_s)) {
        QJsonArray fans;
        for (const SeriesFan& fan : overview.fans)
            fans.append(fanJson(fan, kind));
        cli::printJson(QJsonObject {{u"series"_s, overview.item.name},
            {u"kind"_s, kind == SeriesKind::Smoke ? u"smoke"_s : u"general"_s},
            {u"icon"_s, overview.item.icon}, {u"axis_title"_s, overview.axisTitle}, {u"fans"_s, fans}});
        return cli::Ok;
    }
    cli::printLine(overview.item.name + u"  ("_s + overview.axisTitle + u")"_s);
    for (const SeriesFan& fan : overview.fans) {
        QStringList cells;
        for (const QString& cell : fan.cells)
            cells << cell.trimmed();
        const QString label = fan.label
            ? u"%1 m3/h, %2 Pa"_s.arg(integerText(fan.label->x())).arg(integerText(fan.label->y()))
            : u"-"_s;
        cli::printLine(cells.join(u'\t') + u"\tlabel "_s + label);
    }
    return cli::Ok;
}

} // namespace

ZFN_CLI_COMMAND("series", "series --name NAME [--smoke] [--icon N] [--json]", runSeries);
