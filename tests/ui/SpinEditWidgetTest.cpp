#include "ui/SpinEditWidget.h"
#include "common/NumberText.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SpinEditWidgetTest, ArrowsStepTheNumberAndLeaveOtherTextAlone)
{
    const QString half = u"2"_s + systemDecimalSeparator() + u"5"_s;
    const QString threeAndHalf = u"3"_s + systemDecimalSeparator() + u"5"_s;
    const struct {
        QString text;
        double step;
        int steps;
        QString expected;
    } cases[] = {
        {u"20"_s, 1, 1, u"21"_s},
        {u"-20"_s, 1, -3, u"-23"_s},
        {u"1000"_s, 50, 1, u"1050"_s},
        {u" 7 "_s, 1, 1, u"8"_s},
        {half, 1, 1, threeAndHalf},
        {u"abc"_s, 1, 1, u"abc"_s},
        {QString(), 1, 1, QString()},
    };
    SpinEditWidget spin;
    for (const auto& c : cases) {
        spin.setText(c.text);
        spin.setStep(c.step);
        spin.stepBy(c.steps);
        EXPECT_EQ(spin.text(), c.expected) << c.text.toStdString();
    }
}

} // namespace
