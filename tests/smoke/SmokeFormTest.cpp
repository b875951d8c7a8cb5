#include "smoke/SmokeForm.h"
#include "support/FormDescriptionChecks.h"

#include <gtest/gtest.h>

using namespace smoke;
using namespace Qt::StringLiterals;

// Every field a page step can refuse, but the shaft-section table, focuses exactly one described box,
// which the page step reads from the record.
TEST(SmokeForm, EveryRefusalFieldHasItsBox)
{
    const QSet<int> focusFields = expectCompleteDescription(smokeInputs());
    for (int f = int(SmokeField::DoorHeight); f <= int(SmokeField::OutletResistance); ++f) {
        const auto field = static_cast<SmokeField>(f);
        if (field == SmokeField::Sections) {
            EXPECT_EQ(smokeInput(field), nullptr);
            continue;
        }
        const SmokeInput* input = smokeInput(field);
        ASSERT_NE(input, nullptr) << f;
        EXPECT_EQ(input->kind, InputKind::Number) << f;
        EXPECT_TRUE(focusFields.contains(f)) << f;
    }
    EXPECT_EQ(smokeInput(SmokeField::None), nullptr);
}

// A new window: a residential building by the building code, a smoke reservoir, valves on branches,
// both buttons of each pair stated as the project file keeps them, and one empty shaft-section row.
TEST(SmokeForm, DefaultsAreTheNewWindowsInputs)
{
    const SmokeProject p = defaultSmokeProject();
    const std::pair<bool, bool> pairs[] = {{p.residential, p.otherBuilding}, {p.corridor, p.room},
        {p.bySnip, p.byRecommendation}, {p.reservoir, p.sprinkler}, {p.branchValves, p.noBranchValves}};
    for (const auto& [first, second] : pairs) {
        EXPECT_TRUE(first);
        EXPECT_FALSE(second);
    }
    EXPECT_EQ(p.doorHeight, u"2");
    EXPECT_EQ(p.roomArea, u"500");
    EXPECT_EQ(p.firePerimeter, u"0");
    EXPECT_EQ(p.floors, u"25");
    EXPECT_EQ(p.fanType, 0);
    EXPECT_TRUE(p.projectName.isEmpty() && p.valveName.isEmpty());
    EXPECT_EQ(p.sections.rowCount(), 1);
}
