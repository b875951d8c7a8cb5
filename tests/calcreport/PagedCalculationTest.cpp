#include "calcreport/PagedCalculation.h"
#include "pressurization/SupplyFixtures.h"
#include "pressurization/SupplyWizard.h"
#include "smoke/SmokeFixtures.h"
#include "smoke/SmokeWizard.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The fan-1 duct of scheme D with a second section that has no area: reported, not refused.
pressurization::SupplyProject separateSchemeWithEmptyArea()
{
    pressurization::SupplyProject p = projectWithDucts();
    p.schemeShaft = false;
    p.schemeSeparate = true;
    sections::SectionTable table = straightDuctTable();
    sections::SectionRow empty = table.row(0);
    empty[sections::NumberColumn] = u"2"_s;
    empty[sections::AreaColumn] = u"0"_s;
    table.setRows({table.row(0), empty});
    p.sections[0] = table;
    return p;
}

} // namespace

// Every step reads the pages before it again, and what they report is shown again: a section without area
// on page 3 is named at page 3's step and again at page 4's, in both calculations alike.
TEST(PagedCalculation, PagesReadAgainShowWhatTheyFindAtEveryStep)
{
    const QString emptyArea = u"Ошибочная запись числа: 0 Номер участка: 2"_s;
    const pressurization::SupplyProject supply = separateSchemeWithEmptyArea();
    pressurization::SupplyWizard wizard;
    for (int page = 1; page <= 2; ++page)
        ASSERT_TRUE(wizard.next(supply, smoke::dot).ok) << page;
    EXPECT_EQ(wizard.next(supply, smoke::dot).messages, QStringList {emptyArea});
    ASSERT_EQ(wizard.page(), 4);
    EXPECT_EQ(wizard.next(supply, smoke::dot).messages.value(0), emptyArea);

    smoke::SmokeProject room = smoke::roomProject(u"2"_s, u"5"_s);
    room.roomArea = u"abc"_s;
    smoke::SmokeWizard smokeWizard;
    for (int page = 1; page <= 3; ++page) {
        const smoke::SmokeStep step = smokeWizard.next(room, smoke::dot);
        ASSERT_TRUE(step.ok) << page;
        EXPECT_EQ(step.messages.value(0), u"Ошибочная запись числа: abc"_s) << page;
    }
}

// "<< Назад" after a calculation: the smoke-exhaust duty stays to be handed on until the next step, the
// pressurization results go.
TEST(PagedCalculation, BackKeepsTheSmokeDutyAndDropsThePressurizationResults)
{
    smoke::SmokeRun smokeRun = smoke::runSmokeProject(smoke::corridorProject(), smoke::dot);
    ASSERT_TRUE(smokeRun.wizard.result());
    smokeRun.wizard.back();
    EXPECT_EQ(smokeRun.wizard.page(), 4);
    EXPECT_TRUE(smoke::smokeDuty(smokeRun.wizard));

    pressurization::SupplyRun supplyRun = pressurization::runSupplyProject(projectWithDucts(), smoke::dot);
    ASSERT_TRUE(supplyRun.wizard.result());
    supplyRun.wizard.back();
    EXPECT_EQ(supplyRun.wizard.page(), 2);
    EXPECT_FALSE(supplyRun.wizard.result());

    // Either way the next step starts without a result.
    smokeRun.wizard.next(smoke::corridorProject(), smoke::dot);
    EXPECT_FALSE(smokeRun.wizard.result());
}
