#include "curtains/CurtainForm.h"
#include "support/FormDescriptionChecks.h"

#include <gtest/gtest.h>

using namespace curtains;
using namespace Qt::StringLiterals;

// Each series' description is complete, its stored values come in the order the stored inputs are
// written and read (the first missing one ends the reading, so the order decides what is restored), and
// every box a refusal names is focusable.
TEST(CurtainForm, StoredValuesInTheirOrderAndEveryBoxFocusable)
{
    const QStringList texts
        = {u"Input_B"_s, u"Input_H"_s, u"Input_tv"_s, u"Input_tn"_s, u"Input_tc"_s, u"Input_v"_s};
    const QStringList water = {u"Input_tw1"_s, u"Input_tw2"_s};
    const struct {
        Series series;
        QStringList stored;
    } cases[] = {
        {Series::Ork,
            texts + water
                + QStringList {u"RadioGroupTip_ItemIndex"_s, u"RG_Tip_ItemIndex"_s, u"RG_2_3_ItemIndex"_s,
                    u"RG_P1_P2_ItemIndex"_s}},
        {Series::Tem,
            texts + water
                + QStringList {u"RadioGroupTip_ItemIndex"_s, u"RG_Tip_ItemIndex"_s, u"RG_2_3_ItemIndex"_s,
                    u"RG_ItemIndex"_s, u"RG_I_ItemIndex"_s}},
        {Series::Pln,
            texts + QStringList {u"RadioGroupTip_ItemIndex"_s, u"LargeProem"_s, u"RGTip_ItemIndex"_s}
                + water},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.series));
        const QSet<int> focusFields = expectCompleteDescription(curtainFormInputs(c.series));
        QStringList stored;
        for (const CurtainFormInput& input : curtainFormInputs(c.series)) {
            if (!input.settingsKey.isEmpty())
                stored << input.settingsKey;
        }
        EXPECT_EQ(stored, c.stored);
        for (int field = static_cast<int>(CurtainField::B); field <= static_cast<int>(CurtainField::Tw2);
             ++field)
            EXPECT_TRUE(focusFields.contains(field)) << field;
    }
}

// A new window: ОРК and ТЕМ start as a side curtain, ПЛН over the gate; ТЕМ without a block limit and
// its largest block; ПЛН may stand out of the gate.
TEST(CurtainForm, DefaultsOfANewWindow)
{
    for (Series series : {Series::Ork, Series::Tem, Series::Pln}) {
        const CurtainProject p = defaultCurtainProject(series);
        EXPECT_EQ(p.B, u"3");
        EXPECT_EQ(p.tn, u"-20");
        EXPECT_EQ(p.tw1, u"80");
        EXPECT_EQ(p.placement, series == Series::Pln ? 1 : 0);
        EXPECT_EQ(p.blockLimit, 1);
        EXPECT_EQ(p.smallestBlock, temLargestBlockItem);
        EXPECT_TRUE(p.mayExtend);
    }
}
