#pragma once

#include "smoke/SmokeProject.h"

#include <optional>

// Which case the choices describe and which inputs each page shows for it.
namespace smoke {

struct SmokeCase {
    bool residential = false; // "Жилое"
    bool corridor = false; // "Другое", corridor or hall
    bool room = false; // "Другое", room
    bool reservoir = false; // room with a smoke reservoir
    bool sprinkler = false; // room with sprinklers
    bool bySnip = false; // "- СНиП", where that choice is shown
};
SmokeCase smokeCase(const SmokeProject& project);

struct FirstPageLayout {
    bool corridorOrRoom; // RB_X / RB_P
    bool calculationBasis; // RB_SNIP / RB_NoSnip
    bool reservoirOrSprinkler; // RB_R / RB_C
    bool door; // Input_H, Input_B
    bool roomSize; // Input_A, Input_hh
    bool curtain; // Input_Yz
    bool firePerimeter; // Input_Pf with bCalck_Pf
};
FirstPageLayout firstPageLayout(const SmokeCase& c);

// The open door area ΣA has formulas for one, two and three doors in a row (Kd).
inline constexpr int doorCountMax = 3;

// `largeFire` is the flag the page-1 step set; `doorCount` the value of Input_Kd, when it reads.
struct SecondPageLayout {
    bool evacuees; // Input_Ke
    bool outdoor; // Input_Tn, Input_V, Input_Kd, Input_Ad1..3
    bool combustible; // RB_2_4
    bool doorArea2Enabled;
    bool doorArea3Enabled;
};
SecondPageLayout secondPageLayout(const SmokeCase& c, bool largeFire, std::optional<double> doorCount);

struct ThirdPageLayout {
    int valvesPerFloorMax; // upper limit of Input_Nk; a larger Nк is refused
    bool branchEnabled; // Input_Lo, Input_Fo
};
ThirdPageLayout thirdPageLayout(const SmokeCase& c, const SmokeProject& project);

// Page 5 shows the outlet inputs only for a fan that is not a roof fan.
bool outletShown(const SmokeProject& project);

} // namespace smoke
