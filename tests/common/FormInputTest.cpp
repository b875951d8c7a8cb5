#include "common/FormInput.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Typed {
    QString width, count, height;
    bool first = false, second = false;
    qint32 mode = 0;
};
struct Numbers {
    double width = -1;
    int count = -1;
    double height = -1;
};

bool heightRead(const Typed& typed)
{
    return typed.mode == 0;
}

const FormInputs<Typed, Numbers>& inputs()
{
    static const FormInputs<Typed, Numbers> described {
        {.control = u"Width"_s, .defaultText = u"3"_s, .text = &Typed::width, .value = &Numbers::width},
        {.control = u"Count"_s, .defaultText = u"2"_s, .text = &Typed::count, .whole = &Numbers::count},
        {.control = u"Height"_s,
            .defaultText = u"1"_s,
            .text = &Typed::height,
            .value = &Numbers::height,
            .readWhen = heightRead},
        {.kind = InputKind::Pair,
            .control = u"Yes"_s,
            .secondControl = u"No"_s,
            .items = {u"Да"_s, u"Нет"_s},
            .defaultIndex = 1,
            .checked = &Typed::first,
            .secondChecked = &Typed::second},
        {.kind = InputKind::Choice, .control = u"Mode"_s, .items = {u"a"_s, u"b"_s}, .index = &Typed::mode},
    };
    return described;
}

} // namespace

TEST(FormInput, DefaultRecordStatesEveryControl)
{
    const Typed typed = defaultRecord(inputs());
    EXPECT_EQ(typed.width, u"3");
    EXPECT_EQ(typed.count, u"2");
    EXPECT_FALSE(typed.first); // the pair starts on its second button
    EXPECT_TRUE(typed.second);
    EXPECT_EQ(typed.mode, 0);
}

// Whole numbers round halves to even and stay within ±2·10⁹; a number not read in the mode counts as 0;
// the first text that is not a number, in the description's or the given order, ends the reading.
TEST(FormInput, NumbersAreReadInOrderByTheirRules)
{
    const struct {
        const char* what;
        QString width, count, height;
        qint32 mode;
        QStringList order;
        const char16_t* badControl; // null: read
        double readWidth;
        int readCount;
        double readHeight;
    } cases[] = {
        {"halves to even down", u"1.5"_s, u"2.5"_s, u"4"_s, 0, {}, nullptr, 1.5, 2, 4},
        {"halves to even up", u"1.5"_s, u"3.5"_s, u"4"_s, 0, {}, nullptr, 1.5, 4, 4},
        {"huge whole number", u"1"_s, u"1e12"_s, u"4"_s, 0, {}, nullptr, 1, 2000000000, 4},
        {"negative huge", u"1"_s, u"-1e12"_s, u"4"_s, 0, {}, nullptr, 1, -2000000000, 4},
        {"not read in the mode", u"1"_s, u"2"_s, u"x"_s, 1, {}, nullptr, 1, 2, 0},
        {"first bad in description order", u"x"_s, u"y"_s, u"4"_s, 0, {}, u"Width", 0, 0, 0},
        {"first bad in the given order", u"x"_s, u"y"_s, u"4"_s, 0, {u"Count"_s, u"Width"_s, u"Height"_s},
            u"Count", 0, 0, 0},
    };
    for (const auto& c : cases) {
        Typed typed;
        typed.width = c.width;
        typed.count = c.count;
        typed.height = c.height;
        typed.mode = c.mode;
        const auto read = readNumbers(inputs(), typed, Numbers {}, QLatin1Char('.'), c.order);
        if (c.badControl) {
            EXPECT_FALSE(read.inputs) << c.what;
            ASSERT_NE(read.badNumber, nullptr) << c.what;
            EXPECT_EQ(read.badNumber->control, QString::fromUtf16(c.badControl)) << c.what;
            continue;
        }
        ASSERT_TRUE(read.inputs) << c.what;
        EXPECT_EQ(read.inputs->width, c.readWidth) << c.what;
        EXPECT_EQ(read.inputs->count, c.readCount) << c.what;
        EXPECT_EQ(read.inputs->height, c.readHeight) << c.what;
    }
}
