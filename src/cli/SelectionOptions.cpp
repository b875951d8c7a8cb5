#include "cli/SelectionOptions.h"

using namespace Qt::StringLiterals;

namespace cli {

std::vector<fans::TickedText> tickedList(const QStringList& entries, const QStringList& chosen)
{
    std::vector<fans::TickedText> list;
    for (const QString& entry : entries)
        list.push_back({entry, chosen.isEmpty() || chosen.contains(entry)});
    return list;
}

int rangePercentOf(Arguments& args)
{
    const auto range = args.value(u"--range"_s);
    if (!range)
        return 15;
    bool ok = false;
    const int percent = range->trimmed().toInt(&ok);
    if (!ok || percent < 5 || percent > 30)
        args.addError(u"--range wants a whole percent from 5 to 30"_s);
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
