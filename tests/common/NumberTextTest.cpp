#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
const QChar comma = QLatin1Char(',');
const QChar point = QLatin1Char('.');
} // namespace

TEST(ParseNumber, AcceptsNumbersWrittenWithTheGivenSeparator)
{
    struct Case {
        QString text;
        QChar separator;
        double value;
    };
    const Case cases[] = {
        {u"  1500  "_s, comma, 1500.0},
        {u"\t2,5\n"_s, comma, 2.5},
        {u"2.5"_s, point, 2.5},
        {u"-20"_s, point, -20.0},
        {u"+7"_s, comma, 7.0},
        {u",5"_s, comma, 0.5},
        {u"5."_s, point, 5.0},
        {u"1,5E3"_s, comma, 1500.0},
        {u"2e-2"_s, point, 0.02},
    };
    for (const Case& c : cases) {
        const auto value = parseNumber(c.text, c.separator);
        ASSERT_TRUE(value.has_value()) << c.text.toStdString();
        EXPECT_DOUBLE_EQ(*value, c.value) << c.text.toStdString();
    }
}

TEST(ParseNumber, RejectsEverythingElse)
{
    struct Case {
        QString text;
        QChar separator;
    };
    const Case cases[] = {
        {u""_s, comma},
        {u"   "_s, comma},
        {u"2.5"_s, comma},
        {u"2,5"_s, point},
        {u"1 500"_s, comma},
        {u"1\u00A0500"_s, comma},
        {u"1,500.5"_s, point},
        {u"2,5,1"_s, comma},
        {u"inf"_s, point},
        {u"-INF"_s, point},
        {u"nan"_s, point},
        {u"infinity"_s, point},
        {u"1e999"_s, point},
        {u"0x10"_s, point},
        {u"12abc"_s, point},
        {u"-"_s, point},
        {u","_s, comma},
        {u"1e"_s, point},
        {u"e5"_s, point},
        {u"١٢"_s, point},
        {u"--5"_s, point},
        {u"5 5"_s, point},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(parseNumber(c.text, c.separator).has_value()) << c.text.toStdString();
}

TEST(ParseNumber, FailureMessagesQuoteTheUntrimmedText)
{
    const QStringList messages = badNumberMessages(u" 1.5 "_s);
    ASSERT_EQ(messages.size(), 3);
    EXPECT_EQ(messages[0], u"Ошибочная запись числа:  1.5 "_s);
    EXPECT_EQ(badNumberMessages(QString())[0], u"Ошибочная запись числа: "_s);
    EXPECT_EQ(messages[1],
        u" В десятичной записи числа используйте \".\" или \",\" взависимости от настройки вашей "
        u"Операционной "
        u"Системы! "_s);
    EXPECT_EQ(messages[2],
        u" Разделитель (допустим \",\") можно указать в Пуск/Настройка/Панель управления/Язык и "
        u"стандарты/Числа/Разделитель целой и дробной части числа! "_s);
}

TEST(DecimalComma, WritesTheShortestFormWithAComma)
{
    EXPECT_EQ(decimalComma(3.15), u"3,15"_s);
    EXPECT_EQ(decimalComma(4.0), u"4"_s);
    EXPECT_EQ(decimalComma(12.5), u"12,5"_s);
    EXPECT_EQ(decimalComma(0.1 + 0.2), u"0,30000000000000004"_s); // every digit of the double is kept
    EXPECT_EQ(decimalComma(1250.0 / 100), u"12,5"_s);
}

TEST(NumberTextInFiles, ReadsBackUnderAnySeparator)
{
    // A box text typed under "," reads back under "." and the other way round.
    EXPECT_EQ(encodeNumberText(u"2.5"_s, comma), u"2!_!5"_s);
    EXPECT_EQ(encodeNumberText(u"2,5"_s, comma), u"2!_!5"_s);
    EXPECT_EQ(encodeNumberText(u"-20"_s, comma), u"-20"_s);
    EXPECT_EQ(encodeNumberText(u"1,2.3"_s, point), u"1!_!2!_!3"_s);
    EXPECT_EQ(encodeNumberText(u"2\u066B5"_s, QChar(0x066B)), u"2!_!5"_s); // a locale's own mark
    EXPECT_EQ(decodeNumberText(u"2!_!5"_s, comma), u"2,5"_s);
    EXPECT_EQ(decodeNumberText(u"2!_!5"_s, point), u"2.5"_s);
    EXPECT_EQ(decodeNumberText(u"!_!_!"_s, point), u"._!"_s);
    for (const QChar writer : {comma, point})
        for (const QChar reader : {comma, point}) {
            const QString typed = u"12"_s + writer + u"75"_s;
            const auto value = parseNumber(decodeNumberText(encodeNumberText(typed, writer), reader), reader);
            ASSERT_TRUE(value.has_value());
            EXPECT_DOUBLE_EQ(*value, 12.75);
        }
}

TEST(ReplaceAll, ReplacesEveryOccurrenceAndFallsBackToUpperCase)
{
    EXPECT_EQ(replaceAll(u"a,b,,c"_s, u","_s, u"!_!"_s), u"a!_!b!_!!_!c"_s);
    EXPECT_EQ(replaceAll(u"abc"_s, u"b"_s, u"b"_s), u"abc"_s);
    EXPECT_EQ(replaceAll(u"abc"_s, QString(), u"x"_s), u"abc"_s);
    EXPECT_EQ(replaceAll(u"ПЛН-1"_s, u"плн"_s, u"ТЕМ"_s), u"ТЕМ-1"_s);
    EXPECT_EQ(replaceAll(u"Плн"_s, u"плн"_s, u"x"_s), u"Плн"_s);
    // A replacement that contains what it replaces must still end.
    EXPECT_EQ(replaceAll(u"a.b"_s, u"."_s, u".."_s), u"a..b"_s);
}

TEST(SplitTokens, SplitsAtTheTenDelimiters)
{
    const struct {
        QString text;
        QStringList tokens;
    } cases[] = {
        {u"(1;2;3)"_s, {u"1"_s, u"2"_s, u"3"_s}},
        {u"a b, c"_s, {u"a b"_s, u"c"_s}},
        {u"-5"_s, {u"5"_s}},
        {u"2.5"_s, {u"2"_s, u"5"_s}},
        {u"1,2;3.4(5)6-7+8/9\\10=11"_s,
            {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s, u"10"_s, u"11"_s}},
        {u"  0; ;4;  "_s, {u"0"_s, u"4"_s}},
        {u"2!_!5;3"_s, {u"2!_!5"_s, u"3"_s}},
        {u""_s, {}},
        {u";;;"_s, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitTokens(c.text), c.tokens) << c.text.toStdString();

    // Long column lists lose nothing.
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << QString::number(i);
    EXPECT_EQ(splitTokens(many.join(u';')), many);
}

TEST(NumberOutput, RoundsHalvesToEvenAndWritesFourDigits)
{
    const struct {
        double value;
        const char16_t* text;
    } integers[] = {
        {0.5, u"0"},
        {1.5, u"2"},
        {2.5, u"2"},
        {3.5, u"4"},
        {2.4999, u"2"},
        {2.5001, u"3"},
        {-2.5, u"-2"},
        {-3.5, u"-4"},
        {-0.4, u"0"},
        {1234.5, u"1234"},
        {1235.5, u"1236"},
        {15000.0, u"15000"},
    };
    for (const auto& c : integers)
        EXPECT_EQ(integerText(c.value), QString::fromUtf16(c.text)) << c.value;

    EXPECT_EQ(generalText4(1.23456, comma), u"1,235"_s);
    EXPECT_EQ(generalText4(0.75, point), u"0.75"_s);
    EXPECT_EQ(generalText4(12.0, comma), u"12"_s);
    EXPECT_EQ(generalText4(-0.0, comma), u"0"_s);
    EXPECT_EQ(generalText4(123.456, comma), u"123,5"_s);
    EXPECT_EQ(generalText4(0.012345, comma), u"0,01235"_s);
}
