#include "pressurization/SupplyForm.h"
#include "support/FormDescriptionChecks.h"

#include <gtest/gtest.h>

using namespace pressurization;

// Every box of pages 1 and 2 a page step can refuse focuses exactly one described box, and the
// description starts a window with the inputs a new project holds.
TEST(SupplyForm, DescriptionCoversTheBoxesOfPagesOneAndTwo)
{
    const QSet<int> focusFields = expectCompleteDescription(supplyFormInputs(), false);
    for (int f = int(SupplyField::OutdoorTemperature); f <= int(SupplyField::ZoneFloors); ++f)
        EXPECT_TRUE(focusFields.contains(f)) << supplyFieldControl(SupplyField(f)).toStdString();
    EXPECT_EQ(focusFields.size(), int(SupplyField::ZoneFloors));
    EXPECT_EQ(defaultRecord(supplyFormInputs()), SupplyProject());
}
