#include "common/Cp1251.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString sampleText = u"Подбор вентиляторов ЗФН: №5, «ёЁ» 20 °C — ‰ € Ґґ Її"_s;

} // namespace

TEST(Cp1251, MatchesBytesWrittenByAnotherEncoder)
{
    const QByteArray bytes = fixtureBytes(u"common"_s, u"cp1251-text.bin"_s);
    EXPECT_EQ(cp1251::decode(bytes), sampleText);
    EXPECT_EQ(cp1251::encode(sampleText), bytes);
}

TEST(Cp1251, EveryByteDecodesAndEncodesBack)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = cp1251::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0xC0], QChar(0x0410)); // А
    EXPECT_EQ(text[0xFF], QChar(0x044F)); // я
    EXPECT_EQ(text[0xA8], QChar(0x0401)); // Ё
    EXPECT_EQ(text[0xB9], QChar(0x2116)); // №
    EXPECT_EQ(text[0x98], QChar(0x0098));
    EXPECT_EQ(cp1251::encode(text), all);
}

TEST(Cp1251, CharactersOutsideTheCodePageBecomeQuestionMarks)
{
    const struct {
        QString text;
        QByteArray bytes;
    } cases[] = {
        {u"a\u00E9b"_s, "a?b"_ba}, // é is not Cyrillic
        {u"\u4E2D"_s, "?"_ba}, // CJK
        {u"x\U0001F600y"_s, "x?y"_ba}, // a surrogate pair is one character
        {QString(QChar(0xD800)) + u"z"_s, "?z"_ba}, // a lone surrogate
        {QString(QChar(0xFFFD)), "?"_ba},
        {QString(QChar(0)), QByteArray(1, '\0')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cp1251::encode(c.text), c.bytes) << c.text.toStdString();
}
