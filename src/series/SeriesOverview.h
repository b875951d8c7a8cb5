#pragma once

#include "fans/FanRecord.h"
#include "fanviews/FanCurveSet.h"

#include <QPointF>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A whole fan series at a glance: the series a catalogue offers, the fans of one series with their grid
// rows, drawn pressure curves and labels. General-ventilation and smoke-exhaust series differ in their
// catalogue, their grid and their designations.
namespace series {

enum class SeriesKind { General, Smoke };

// One entry of the series list. General series: a name with its three flags, icon 0 round duct,
// 1 rectangular, 2 rectangular with a square size, 3 roof fans, 4 pressurization fans. Smoke-exhaust
// series: icon 1 when the pressures of its first fan are total (radial and axial fans), else 0.
struct SeriesItem {
    QString name; // cut to 25 characters
    int icon = 0;
    bool krugl = false;
    bool krysh = false;
    bool podpor = false;
};

// The series of a catalogue in list order. Throws CatalogueError.
std::vector<SeriesItem> seriesItems(SeriesKind kind);

// Whether a catalogue fan belongs to the series of an item: its name and, for general fans, its three
// flags are the item's; a pressurization fan whose pressures are static is left out.
bool isSeriesFan(const FanRecord& fan, const SeriesItem& item, SeriesKind kind);

int columnCount(SeriesKind kind); // 15 or 11, the number column included
// Heading row 0 or 1 of the grid, one text per column; the smoke-exhaust power heading names the
// electrical power for the series ДЮНА.
QStringList headerRow(SeriesKind kind, int row, const QString& seriesName);
QString flowAxisTitle(SeriesKind kind);
QString pressureAxisTitle(SeriesKind kind, const SeriesItem& item);

struct SeriesFan {
    FanRecord record;
    QString designation;
    QStringList cells; // the grid row, column 0 the running number
    fanviews::FanCurveSet curve; // the tabulated points
    std::vector<QPointF> drawn; // the pressure curve as drawn
    double labelFlow = 0;
    std::optional<QPointF> label; // none for a curve that cannot be drawn
};

struct SeriesOverview {
    SeriesKind kind = SeriesKind::General;
    SeriesItem item;
    QString axisTitle;
    std::vector<SeriesFan> fans; // in catalogue order
};

// The fans of the item's series among the records (catalogue order), numbers written with the decimal
// separator. A label placed by hand stands at its flow, the others are staggered.
SeriesOverview seriesOverview(
    const std::vector<FanRecord>& records, SeriesKind kind, const SeriesItem& item, QChar decimalSeparator);
// The same from the catalogue of the kind. Throws CatalogueError.
SeriesOverview seriesOverview(SeriesKind kind, const SeriesItem& item, QChar decimalSeparator);

// Places the fan's label at a flow (kept on the curve, see labelPoint).
void placeLabel(SeriesFan& fan, double flow);

} // namespace series
