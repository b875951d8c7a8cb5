#pragma once

#include "fans/FanCatalogue.h"
#include "fans/FanSelection.h"

#include <functional>

namespace fans {

// A whole general-ventilation selection run: the catalogue (read once and cached by the store layer),
// the selection and the result tables Razmchek and RAZMDIAP in the working database. Throws
// CatalogueError when the store fails.
struct GeneralSelection {
    FanCatalogue::Records catalogue; // keeps the records the outcome points into
    SelectionOutcome outcome;
};
GeneralSelection runGeneralSelection(const SelectionRequest& request);

// Recreates the result tables of the kind (in the variant of a unit's fan run when `unitRun`) and appends
// the outcome's candidates and accepted fans, each record as stored(record) gives it (as it is when no
// function is given).
void writeResultTables(CatalogueKind kind, const SelectionOutcome& outcome,
    const std::function<FanRecord(const FanRecord&)>& stored = {}, bool unitRun = false);

// The same on a catalogue the caller holds (benchmarks, tests).
SelectionOutcome runSelectionWithTables(
    const std::vector<FanRecord>& catalogue, const SelectionRequest& request);

} // namespace fans
