#pragma once

#include "fans/SelectedFan.h"

#include <optional>

namespace ui {

// The records the program's windows share by design: what one window hands to another that is shown
// later (the fan chosen for its data sheet, the duties a calculation hands to fan selection). One
// object, owned by the program and given to the windows that use it; each record is one field here.
// Results of a run never live here: a window is handed the run it shows.
struct SharedRecords {
    // The fan chosen in a fans-found window, for its data sheet and graphs; empty until one is chosen.
    std::optional<fans::SelectedFan> selectedFan;
};

} // namespace ui
