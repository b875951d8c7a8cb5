#pragma once

#include "fans/FanSelection.h"
#include "fans/ListedFan.h"

#include <QPointF>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace fans {

// What the fans-found window shows of a run, worked out before the window sees it.
struct FoundFanEntry {
    QString designation;
    std::vector<QPointF> curve; // swept over the band, below pmax
    // A speed-controlled run's fan at catalogue speed, drawn dashed while the fan is chosen; else empty.
    std::vector<QPointF> fullSpeedCurve;
    std::optional<QPointF> label; // where the designation is marked
    QPointF operatingPoint; // (Qop, round(k·Qop²))
    QStringList row; // the grid cells, made from `fan`
    ListedFan fan; // the fan itself: the data sheet, its graphs and the unit's fan are made from it
};

// The grid's columns when a run's rows are not those of the general selection: each column's two
// heading rows and its width in pixels.
struct FoundFansColumns {
    QStringList top;
    QStringList second;
    std::vector<int> widths;
};

struct FoundFansContent {
    SelectionRun run; // duty point and operating points, for the chosen fan's data sheet
    std::vector<QPointF> systemCurve; // 31 points over the band
    QPointF dutyPoint; // (Q, round(k·Q²))
    bool staticPressure = false; // the run selected by static pressure (every roof fan run does)
    FanGroup group = FanGroup::Duct; // of a general run: the duct size column
    std::vector<FoundFanEntry> fans;
    // A run with speed control: its fans work at the duty at their own speeds, and its grid has its own
    // columns.
    std::optional<FoundFansColumns> columns;
};

FoundFansContent foundFansContentOf(
    const SelectionOutcome& outcome, const SelectionRequest& request, QChar decimalSeparator);

// The same for any selection, without the run's record: the duty flow, whether the run selected by static
// pressure, and the grid row of a fan by its number.
using FoundFanRowOf = std::function<QStringList(const FoundFan& fan, int number)>;
FoundFansContent foundFansContentOf(
    const SelectionOutcome& outcome, double flow, bool staticPressure, const FoundFanRowOf& rowOf);

} // namespace fans
