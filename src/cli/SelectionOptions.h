#pragma once

#include "cli/CliCommand.h"
#include "fans/DutyMatch.h"
#include "fans/SelectionRequest.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <array>
#include <optional>

// Options and JSON shared by the fan selection commands.
namespace cli {

// "2,4" → the ticks of a fixed list of choices; an unknown or empty choice gives nothing.
template <size_t N>
std::optional<std::array<bool, N>> ticksOf(const QString& text, const std::array<int, N>& choices)
{
    std::array<bool, N> ticks {};
    const QStringList items = text.split(QLatin1Char(','));
    for (const QString& item : items) {
        bool ok = false;
        const int value = item.trimmed().toInt(&ok);
        const auto at = std::find(choices.begin(), choices.end(), value);
        if (!ok || at == choices.end())
            return std::nullopt;
        ticks[size_t(at - choices.begin())] = true;
    }
    return ticks;
}

// Records "--flag: bad value TEXT (what the option takes)" in args: a value that cannot be read makes
// the whole command a bad argument, never a selection that quietly lists nothing.
void addBadValue(Arguments& args, const QString& flag, const QString& value, const QString& wanted);

// Records every flag of the list written last with no value after it.
void checkValuesGiven(Arguments& args, const QStringList& flags);

// Ticks the entries every `flag` names, or every entry when none is named. A value that is not of the
// entries' kind is a bad value; one of that kind that the catalogue lacks ticks nothing, as in the window.
std::vector<fans::TickedText> diameterList(Arguments& args, const QStringList& diameters); // --diameter, mm
std::vector<fans::TickedText> ductSizeList(
    Arguments& args, const QStringList& sizes); // --size "A" or "A*B", mm

// --range R: a whole percent from 5 to 30, 15 when not given; a bad value is recorded in args.
int rangePercentOf(Arguments& args);

// --speed-control [--min-speed PCT]: the least speed in whole percent of the catalogue speed (1 … 100,
// 30 when not given) when the fans are selected with speed control, nothing when they are not; a bad value
// or --min-speed without --speed-control is recorded in args.
std::optional<int> speedControlOf(Arguments& args);

// The band of a run and a fan's drawn curve as JSON.
QJsonObject bandJson(const fans::DutyBand& band);
QJsonArray curveJson(const fans::SweptCurve& swept);

} // namespace cli
