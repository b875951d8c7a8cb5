#include "cli/SelectionOptions.h"

#include "fans/SpeedControlledSelection.h"

#include <cmath>
#include <functional>

using namespace Qt::StringLiterals;

namespace cli {

void addBadValue(Arguments& args, const QString& flag, const QString& value, const QString& wanted)
{
    args.addError(u"%1: bad value %2 (%3)"_s.arg(flag, value, wanted));
}

void checkValuesGiven(Arguments& args, const QStringList& flags)
{
    for (const QString& flag : flags) {
        if (args.has(flag) && args.values(flag).isEmpty())
            args.addError(flag + u": no value given"_s);
    }
}

namespace {

std::vector<fans::TickedText> tickedList(Arguments& args, const QString& flag, const QStringList& entries,
    const std::function<bool(const QString&)>& ofTheKind, const QString& kind)
{
    QStringList chosen;
    for (const QString& value : args.values(flag)) {
        if (ofTheKind(value.trimmed()))
            chosen << value.trimmed();
        else
            addBadValue(args, flag, value, kind);
    }
    std::vector<fans::TickedText> list;
    for (const QString& entry : entries)
        list.push_back({entry, chosen.isEmpty() || chosen.contains(entry)});
    return list;
}

bool isWholeNumber(const QString& text)
{
    bool ok = false;
    text.toInt(&ok);
    return ok;
}

} // namespace

std::vector<fans::TickedText> diameterList(Arguments& args, const QStringList& diameters)
{
    const auto isNumber = [](const QString& text) {
        bool ok = false;
        return std::isfinite(text.toDouble(&ok)) && ok;
    };
    return tickedList(args, u"--diameter"_s, diameters, isNumber, u"an impeller diameter in mm"_s);
}

std::vector<fans::TickedText> ductSizeList(Arguments& args, const QStringList& sizes)
{
    const auto isSize = [](const QString& text) {
        const QStringList sides = text.split(u'*');
        return sides.size() <= 2 && std::all_of(sides.begin(), sides.end(), isWholeNumber);
    };
    return tickedList(args, u"--size"_s, sizes, isSize, u"a duct size A or A*B in mm"_s);
}

int rangePercentOf(Arguments& args)
{
    const auto range = args.value(u"--range"_s);
    if (!range)
        return 15;
    bool ok = false;
    const int percent = range->trimmed().toInt(&ok);
    if (!ok || percent < 5 || percent > 30)
        addBadValue(args, u"--range"_s, *range, u"a whole percent from 5 to 30"_s);
    return percent;
}

std::optional<int> speedControlOf(Arguments& args)
{
    const auto minSpeed = args.value(u"--min-speed"_s);
    if (!args.has(u"--speed-control"_s)) {
        if (args.has(u"--min-speed"_s))
            args.addError(u"--min-speed needs --speed-control"_s);
        return std::nullopt;
    }
    if (!minSpeed)
        return fans::defaultMinSpeedPercent;
    bool ok = false;
    const int percent = minSpeed->trimmed().toInt(&ok);
    if (!ok || percent < 1 || percent > 100)
        addBadValue(args, u"--min-speed"_s, *minSpeed, u"a whole percent from 1 to 100"_s);
    return percent;
}

QJsonObject bandJson(const fans::DutyBand& b)
{
    return QJsonObject {{u"qmin"_s, jsonNumber(b.qmin)}, {u"qmax"_s, jsonNumber(b.qmax)},
        {u"k"_s, jsonNumber(b.k)}, {u"pmax"_s, jsonNumber(b.pmax)}};
}

QJsonArray curveJson(const fans::SweptCurve& swept)
{
    QJsonArray points;
    for (const QPointF& p : swept.points)
        points.append(QJsonArray {p.x(), p.y()});
    return points;
}

} // namespace cli
