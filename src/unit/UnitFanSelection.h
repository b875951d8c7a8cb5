#pragma once

#include "fans/FanCatalogue.h"
#include "fans/FanSelection.h"

// The fan selection of an assembled unit: rectangular duct fans by total pressure, the search band around
// the unit's flow, the operating points found more finely than in a general run, and the result tables in
// their unit variant (with each fan's length).
namespace unit {

// The search band the unit's fan selection opens with, in % of the required flow.
inline constexpr int unitSearchRangePercent = 20;

// The series a unit's fan comes from: rectangular duct fans, no roof or pressurization fans.
bool isUnitFanSeries(const fans::SeriesEntry& series);
// The duct sizes a unit's fan may have: rectangular ones ("600*300").
bool isUnitDuctSize(const fans::DuctSizeEntry& size);

// A unit's request: the duct group, total pressure, every ticked series taken as rectangular.
fans::SelectionRequest unitFanRequest(fans::SelectionRequest request);

// The run on a catalogue held in memory. Candidates are the rectangular fans of the ticked series that
// pass the diameter, duct-size, pole and phase ticks; roof and pressurization flags and the pressure kind
// of the curves are not looked at. The catalogue must outlive the outcome.
fans::SelectionOutcome selectUnitFans(
    const std::vector<FanRecord>& catalogue, const fans::SelectionRequest& request);

// The whole run: the general catalogue (read once and cached), the selection and the unit variant of the
// result tables. Throws CatalogueError.
struct UnitFanSelection {
    fans::FanCatalogue::Records catalogue; // keeps the records the outcome points into
    fans::SelectionOutcome outcome;
};
UnitFanSelection runUnitFanSelection(const fans::SelectionRequest& request);

} // namespace unit
