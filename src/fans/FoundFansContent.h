#pragma once

#include "fans/FanSelection.h"

#include <QPointF>
#include <QStringList>
#include <optional>
#include <vector>

namespace fans {

// What the fans-found window shows of a run, worked out before the window sees it.
struct FoundFanEntry {
    QString designation;
    std::vector<QPointF> curve; // swept over the band, below pmax
    std::optional<QPointF> label; // where the designation is marked
    QPointF operatingPoint; // (Qop, round(k·Qop²))
    QStringList row; // the 19 grid cells
};

struct FoundFansContent {
    SelectionRun run; // duty point and operating points, for the chosen fan's data sheet
    std::vector<QPointF> systemCurve; // 31 points over the band
    QPointF dutyPoint; // (Q, round(k·Q²))
    bool staticPressure = false; // the run selected by static pressure (every roof fan run does)
    std::vector<FoundFanEntry> fans;
};

FoundFansContent foundFansContentOf(
    const SelectionOutcome& outcome, const SelectionRequest& request, QChar decimalSeparator);

} // namespace fans
