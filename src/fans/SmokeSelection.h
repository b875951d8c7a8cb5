#pragma once

#include "fans/FanCatalogue.h"
#include "fans/FanSelection.h"
#include "fans/SmokeSelectionRequest.h"
#include "fans/SmokeSelectionRun.h"

#include <vector>

namespace fans {

// The selection of smoke-exhaust fans: the general run's acceptance, limit, operating points and order
// on the smoke-exhaust catalogue, with the curves rescaled to the density of the hot gas.

// Whether a catalogue record is a candidate of the ticked series with this name: same name, diameter
// not unticked, pole count not unticked. No group, size, phase or fire-resistance test is made.
class SmokeCandidateFilter {
public:
    explicit SmokeCandidateFilter(const SmokeSelectionRequest& request);
    bool passes(const FanRecord& record) const;

private:
    std::vector<int> m_excludedDiameters;
    std::array<bool, 6> m_poles;
};

// One smoke-exhaust run on a catalogue held in memory. The catalogue must outlive the outcome; the
// fans' curves are those of the gas, their records as in the catalogue.
SelectionOutcome selectSmokeFans(
    const std::vector<FanRecord>& catalogue, const SmokeSelectionRequest& request);

// A catalogue record as a smoke-exhaust run stores it: pressure and power columns 21 to 80 multiplied by
// the factor, empty columns left empty.
FanRecord rescaledRecord(const FanRecord& record, double factor);

// The record the program keeps of a run that listed fans.
SmokeSelectionRun smokeRunRecord(const SelectionOutcome& outcome, const SmokeSelectionRequest& request);

// A whole smoke-exhaust run: the catalogue (read once and cached), the selection and the smoke-exhaust
// variant of the result tables Razmchek and RAZMDIAP. Throws CatalogueError when the store fails.
struct SmokeSelection {
    FanCatalogue::Records catalogue; // keeps the records the outcome points into
    SelectionOutcome outcome;
    SmokeSelectionRun run; // meaningful when the outcome lists fans
};
SmokeSelection runSmokeSelection(const SmokeSelectionRequest& request);

// The same on a catalogue the caller holds (benchmarks, tests).
SelectionOutcome runSmokeSelectionWithTables(
    const std::vector<FanRecord>& catalogue, const SmokeSelectionRequest& request);

} // namespace fans
