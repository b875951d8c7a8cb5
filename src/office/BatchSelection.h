#pragma once

#include "fans/DutyFit.h"
#include "fans/FanCatalogue.h"
#include "fans/FanSelection.h"
#include "fans/SelectionRequest.h"
#include "fans/SmokeSelectionRequest.h"
#include "fans/SpeedControlledSelection.h"
#include "office/CsvTable.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

// Fan selection for a whole equipment schedule: one duty per row of a CSV file, each selected as the
// selection window would with every series of its group ticked (or the series the row names), the
// listed fans ranked for the engineer.
namespace office {

// The columns of a schedule: tag, flow and pressure are required.
QStringList scheduleColumns();

// A schedule that cannot be read at all (no header, an unknown or repeated column, a quote left open).
class ScheduleError : public std::runtime_error {
public:
    explicit ScheduleError(const QString& message);
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// What a batch reads of the catalogue, once for the whole schedule.
struct BatchCatalogue {
    fans::FanCatalogue::Records records;
    std::vector<fans::SeriesEntry> generalSeries;
    std::vector<fans::SmokeSeriesEntry> smokeSeries;
    QStringList diameters;
    QStringList ductSizes;

    // From the catalogue of the alias VOzuvada. Throws CatalogueError.
    static BatchCatalogue fromStore(bool smoke);
};

struct BatchFan {
    fans::FoundFan fan;
    int number = 0; // the fan's number in the selection window's list
    fans::DutyFit fit;
};

struct BatchRow {
    QString tag;
    int line = 0; // of the schedule file, from 1
    QStringList messages; // why the row lists no fans: bad input or what the selection said
    std::optional<fans::SelectionRequest> request; // general-ventilation row that ran
    std::optional<fans::SmokeSelectionRequest> smokeRequest; // smoke-exhaust row that ran
    std::vector<BatchFan> fans; // ranked: nearest operating flow first, then lowest power
    // With speed control instead: ranked by the power at the duty.
    std::vector<fans::SpeedControlledFan> speedControlledFans;

    double requiredFlow() const;
    bool listsFans() const { return !fans.empty() || !speedControlledFans.empty(); }
};

// A schedule file read whole, its header checked; its rows are selected by runBatch.
struct Schedule {
    QStringList columns; // as the header names them
    std::vector<CsvRecord> rows; // after the header
    // A ";"-separated file comes from a spreadsheet in the Russian locale, which writes fractions with ",".
    bool decimalComma = false;
};

// Throws ScheduleError when the file as a whole cannot be read.
Schedule readSchedule(const QByteArray& file);

// Takes each row as soon as it is selected; returns false to stop the run (say, its output failed).
using RowSink = std::function<bool(const BatchRow&)>;

// Runs the rows in schedule order on the catalogue and hands each to `sink` before the next one runs, so a
// schedule of any length holds one row's results at a time. A row with bad input gets its messages and the
// other rows still run. With minSpeedPercent the general-ventilation rows are selected with speed control
// (not the smoke-exhaust ones). Returns false when the sink stopped the run.
bool runBatch(const Schedule& schedule, bool smoke, const BatchCatalogue& catalogue, const RowSink& sink,
    std::optional<int> minSpeedPercent = std::nullopt);

} // namespace office
