#include "heating/HeatingUnitForm.h"
#include "support/FormDescriptionChecks.h"

#include <QSet>
#include <algorithm>
#include <gtest/gtest.h>

using namespace heating;
using namespace Qt::StringLiterals;

// Each refusal of the calculation focuses exactly one input, and every stored or typed input is
// reachable from the project record.
TEST(HeatingUnitForm, DescriptionIsCompleteAndUnambiguous)
{
    const QSet<int> focusFields = expectCompleteDescription(heatingUnitInputs());
    for (auto field :
        {HeatingUnitField::Tn, HeatingUnitField::Tv, HeatingUnitField::Tw1, HeatingUnitField::Tw2,
            HeatingUnitField::Volume, HeatingUnitField::Gains, HeatingUnitField::Demand})
        EXPECT_TRUE(focusFields.contains(static_cast<int>(field)));
    const auto stored = std::count_if(heatingUnitInputs().begin(), heatingUnitInputs().end(),
        [](const HeatingUnitInput& input) { return !input.settingsKey.isEmpty(); });
    EXPECT_EQ(stored, 10);
}

TEST(HeatingUnitForm, DefaultsAreTheWindowsStartValues)
{
    const HeatingUnitProject record = defaultHeatingUnitProject();
    EXPECT_EQ(record.tn, u"-20");
    EXPECT_EQ(record.tv, u"20");
    EXPECT_EQ(record.volume, u"1000");
    EXPECT_EQ(record.demand, u"100");
    EXPECT_EQ(record.gains, u"20");
    EXPECT_EQ(record.mode, 0);
    EXPECT_TRUE(record.projectName.isEmpty());
}

// The record becomes inputs by the window's rule: the four temperatures, then the numbers of the demand
// mode; the others count as 0 and are not read at all.
TEST(HeatingUnitForm, RecordBecomesInputsByTheModesRule)
{
    struct Case {
        const char* what;
        void (*change)(HeatingUnitProject&);
        QChar separator;
        QString badControl; // empty: inputs are read
        double volume, gains, givenDemand;
    };
    const Case cases[] = {
        {"defaults", [](HeatingUnitProject&) {}, u'.', {}, 1000, 20, 0},
        {"given demand skips the building",
            [](HeatingUnitProject& r) {
                r.mode = 1;
                r.volume = u"x"_s;
                r.gains = u""_s;
                r.demand = u"50,5"_s;
            },
            u',', {}, 0, 0, 50.5},
        {"computed demand skips the given one",
            [](HeatingUnitProject& r) {
                r.demand = u"?"_s;
                r.gains = u"7.5"_s;
            },
            u'.', {}, 1000, 7.5, 0},
        {"first bad number in reading order",
            [](HeatingUnitProject& r) {
                r.tn = u"-2o"_s;
                r.tv = u"2O"_s;
            },
            u'.', u"Input_tv"_s, 0, 0, 0},
        {"the other decimal mark is no number", [](HeatingUnitProject& r) { r.gains = u"7,5"_s; }, u'.',
            u"Input_Qp"_s, 0, 0, 0},
    };
    for (const Case& c : cases) {
        HeatingUnitProject record = defaultHeatingUnitProject();
        c.change(record);
        record.buildingType = 2;
        record.angleItem = 3;
        const auto read = heatingUnitInputsOf(record, c.separator);
        if (!c.badControl.isEmpty()) {
            EXPECT_FALSE(read.inputs) << c.what;
            ASSERT_NE(read.badNumber, nullptr) << c.what;
            EXPECT_EQ(read.badNumber->control, c.badControl) << c.what;
            EXPECT_EQ(read.badText, record.*read.badNumber->text) << c.what;
            continue;
        }
        ASSERT_TRUE(read.inputs) << c.what;
        const HeatingUnitInputs& in = *read.inputs;
        EXPECT_EQ(in.tn, -20) << c.what;
        EXPECT_EQ(in.tv, 20) << c.what;
        EXPECT_EQ(in.tw1, 80) << c.what;
        EXPECT_EQ(in.tw2, 40) << c.what;
        EXPECT_EQ(in.volume, c.volume) << c.what;
        EXPECT_EQ(in.gains, c.gains) << c.what;
        EXPECT_EQ(in.givenDemand, c.givenDemand) << c.what;
        EXPECT_EQ(in.mode, record.mode == 1 ? DemandMode::Given : DemandMode::Compute) << c.what;
        EXPECT_EQ(in.buildingType, 2) << c.what;
        EXPECT_EQ(in.angleItem, 3) << c.what;
    }
}
