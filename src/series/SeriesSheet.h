#pragma once

#include "fanviews/FanCurveSet.h"
#include "fanviews/SoundPowerLevels.h"
#include "series/SeriesOverview.h"

#include <QString>
#include <optional>
#include <utility>
#include <vector>

// What the data sheet of a series overview shows of the fan of a grid row, and what its printed sheet
// prints: the catalogue figures without a working point.
namespace series {

struct SeriesSheet {
    static constexpr int rowCount = 11;

    SeriesKind kind = SeriesKind::General;
    QString seriesName;
    QString designation; // at most 25 characters
    QString caption; // group caption of the sheet
    std::vector<std::pair<QString, QString>> rows; // label, value: 11 rows, with their units
    QString pressureAxisTitle; // left axis of the printed chart
    fanviews::FanCurveSet curve; // the fan's tabulated points
    // The octave table of a general fan, from its three noise rows; a smoke-exhaust fan has no noise levels.
    std::optional<fanviews::SoundPowerLevels> octaves;
};

SeriesSheet seriesSheetOf(const SeriesOverview& overview, const SeriesFan& fan);

// The series description and photograph are named by the designation in the first row: its first 15
// characters up to the first blank ("" for an empty series).
QString seriesFileStem(const SeriesOverview& overview);

} // namespace series
