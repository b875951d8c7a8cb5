#pragma once

#include "unit/ElementStore.h"
#include "unit/HeaterSelection.h"

#include <vector>

// The heater selection of one type against the element catalogue.
namespace unit {

// Areas of the catalogue's sections by NUM; 0 for a section the table does not hold.
SectionArea sectionAreaOf(const std::vector<SectionRecord>& sections);

// Selects the model of `type` (a list item: cut to 15 characters, blanks trimmed). A type without models
// gives no choice and no message. Throws CatalogueError.
HeaterOutcome selectCatalogueHeater(ElementStore& store, HeaterKind kind, const QString& type,
    const HeaterInputs& in, const std::vector<SectionRecord>& sections);

} // namespace unit
