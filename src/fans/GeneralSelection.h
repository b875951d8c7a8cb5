#pragma once

#include "fans/FanCatalogue.h"
#include "fans/FanSelection.h"

namespace fans {

// A whole general-ventilation selection run: the catalogue (read once and cached by the store layer),
// the selection and the result tables Razmchek and RAZMDIAP in the working database. Throws
// CatalogueError when the store fails.
struct GeneralSelection {
    FanCatalogue::Records catalogue; // keeps the records the outcome points into
    SelectionOutcome outcome;
};
GeneralSelection runGeneralSelection(const SelectionRequest& request);

// The same on a catalogue the caller holds (benchmarks, tests).
SelectionOutcome runSelectionWithTables(
    const std::vector<FanRecord>& catalogue, const SelectionRequest& request);

} // namespace fans
