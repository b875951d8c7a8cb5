#pragma once

#include "fans/FanCatalogue.h"

#include <QString>
#include <array>
#include <vector>

namespace fans {

enum class PressureKind { Total, Static };

// A ticked entry of the active group's series list.
struct SeriesChoice {
    QString name;
    bool round = false; // the entry's icon is the round duct fan
};

// An entry of the diameter or duct-size list with its tick.
struct TickedText {
    QString text;
    bool ticked = true;
};

// Everything a selection run needs from the selection window (or the command line).
struct SelectionRequest {
    double flow = 0; // Q, m³/h
    double pressure = 0; // P, Pa
    int rangePercent = 15;
    FanGroup group = FanGroup::Duct;
    PressureKind pressureKind = PressureKind::Total; // used for pressurization fans
    std::vector<SeriesChoice> series; // ticked series in list order
    std::vector<TickedText> diameters;
    std::vector<TickedText> sizes;
    std::array<bool, 4> poles {true, true, true, true}; // 2, 4, 6 and 8 poles
    bool singlePhase = true;
    bool threePhase = true;
};

} // namespace fans
