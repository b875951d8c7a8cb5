#include "printing/RtfReader.h"

#include "common/Cp1251.h"
#include "support/TestSupport.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Readable texts in failure messages.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

QStringList blockTexts(const QTextDocument& doc)
{
    QStringList texts;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        texts << b.text();
    return texts;
}

// The format of the first character of the first occurrence of `needle`.
QTextCharFormat formatOf(const QTextDocument& doc, const QString& needle)
{
    const QTextCursor found = doc.find(needle);
    EXPECT_FALSE(found.isNull()) << needle.toStdString();
    QTextCursor at(const_cast<QTextDocument*>(&doc));
    at.setPosition(found.selectionStart() + 1);
    return at.charFormat();
}

QTextBlockFormat blockFormatOf(const QTextDocument& doc, const QString& needle)
{
    const QTextCursor found = doc.find(needle);
    EXPECT_FALSE(found.isNull()) << needle.toStdString();
    return found.block().blockFormat();
}

bool isBold(const QTextCharFormat& f)
{
    return f.fontWeight() >= QFont::Bold;
}

QString readText(const QByteArray& rtf)
{
    QTextDocument doc;
    rtf::readRtf(rtf, doc);
    return blockTexts(doc).join(u'|');
}

} // namespace

TEST(RtfReader, ReadsAWordPadDocument)
{
    QTextDocument doc;
    rtf::readRtf(fixtureBytes(u"rtf"_s, u"wordpad.rtf"_s), doc);

    EXPECT_EQ(blockTexts(doc),
        QStringList({u"Вентиляторы ВРАН"_s,
            u"Корпус из оцинкованной стали, рабочее колесо с загнутыми назад лопатками."_s,
            u"•\tРасход:\tдо 12000 м3/ч"_s, u"•\tДавление:\tдо 1200 Па\u2028при 20 °C"_s,
            u"ООО «Зефирон», 2024"_s}));

    const QTextCharFormat title = formatOf(doc, u"Вентиляторы"_s);
    EXPECT_TRUE(isBold(title));
    EXPECT_EQ(title.fontPointSize(), 14.0);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList {u"Arial"_s});
    EXPECT_EQ(blockFormatOf(doc, u"Вентиляторы"_s).alignment(), Qt::AlignHCenter);
    EXPECT_EQ(blockFormatOf(doc, u"Корпус"_s).alignment(), Qt::AlignJustify);
    EXPECT_EQ(blockFormatOf(doc, u"ООО"_s).alignment(), Qt::AlignRight);

    const QTextCharFormat wheel = formatOf(doc, u"рабочее"_s);
    EXPECT_TRUE(wheel.fontItalic());
    EXPECT_EQ(wheel.foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(formatOf(doc, u"с загнутыми"_s).fontItalic());
    EXPECT_FALSE(isBold(formatOf(doc, u"Корпус"_s)));
    EXPECT_EQ(formatOf(doc, u"Корпус"_s).fontPointSize(), 11.0);
    EXPECT_EQ(formatOf(doc, u"ООО"_s).foreground().color(), QColor(0, 0, 128));

    EXPECT_TRUE(formatOf(doc, u"Давление"_s).fontUnderline());
    EXPECT_FALSE(formatOf(doc, u":\tдо 1200"_s).fontUnderline());
    EXPECT_EQ(formatOf(doc, u"3/ч"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, u"/ч"_s).verticalAlignment(), QTextCharFormat::AlignNormal);

    const QTextBlockFormat bullet = blockFormatOf(doc, u"Расход:"_s);
    EXPECT_DOUBLE_EQ(bullet.textIndent(), rtf::twipsToPixels(-360));
    EXPECT_DOUBLE_EQ(bullet.leftMargin(), rtf::twipsToPixels(720));
    EXPECT_DOUBLE_EQ(bullet.bottomMargin(), rtf::twipsToPixels(200));
}

TEST(RtfReader, ReadsALibreOfficeDocument)
{
    QTextDocument doc;
    rtf::readRtf(fixtureBytes(u"rtf"_s, u"libreoffice.rtf"_s), doc);

    // Unicode characters with their one-byte fallback skipped; style sheet, information, page styles,
    // bookmarks and field instructions hidden; the field's result shown.
    EXPECT_EQ(blockTexts(doc),
        QStringList(
            {u"Расчёт воздушной завесы"_s, u"Плотность воздуха ρ = 1,2 кг/м3."_s, u"Qв = 3600\tmсайт"_s}));

    const QTextCharFormat heading = formatOf(doc, u"Расчёт"_s);
    EXPECT_TRUE(isBold(heading));
    EXPECT_EQ(heading.fontFamilies().toStringList(), QStringList {u"Liberation Sans"_s});
    EXPECT_EQ(heading.fontPointSize(), 14.0);
    EXPECT_EQ(blockFormatOf(doc, u"Расчёт"_s).alignment(), Qt::AlignHCenter);

    const QTextCharFormat body = formatOf(doc, u"Плотность"_s);
    EXPECT_FALSE(isBold(body));
    EXPECT_EQ(body.fontFamilies().toStringList(), QStringList {u"Liberation Serif"_s});
    EXPECT_TRUE(formatOf(doc, u"ρ"_s).fontItalic());
    EXPECT_EQ(formatOf(doc, u"3."_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    EXPECT_EQ(formatOf(doc, u"."_s).verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_EQ(formatOf(doc, u"в ="_s).verticalAlignment(), QTextCharFormat::AlignSubScript);
    EXPECT_TRUE(formatOf(doc, u"сайт"_s).fontUnderline());
    EXPECT_EQ(formatOf(doc, u"сайт"_s).foreground().color(), QColor(128, 128, 128));

    const QTextBlockFormat paragraph = blockFormatOf(doc, u"Плотность"_s);
    EXPECT_EQ(paragraph.alignment(), Qt::AlignJustify);
    EXPECT_DOUBLE_EQ(paragraph.textIndent(), rtf::twipsToPixels(567));
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, u"Расчёт"_s).topMargin(), rtf::twipsToPixels(240));
}

TEST(RtfReader, ReadsTheSmokeExhaustReport)
{
    // The report as the calculation window assembles it: header, input lines, and the calculation
    // part as a nested document with its own header and font table. As in every RTF reader, the blank
    // after a control word only ends the word ("\i0   \b" leaves two blanks).
    QTextDocument doc;
    rtf::readRtf(fixtureBytes(u"rtf"_s, u"smoke-report.rtf"_s), doc);
    const QStringList blocks = blockTexts(doc);

    for (const QString& line : {u"1. Задано:  Наименование проекта:  Корпус 2"_s,
             u"3. Задано:  Высота двери, H:  2 м"_s, u"4. Задано:  Площадь помещения, A:  120,5 м2"_s,
             u"5. Задано:  Температура наружного воздуха, Tн:  -26 °C"_s,
             u"6. Задано:  Скорость ветра, V:  3,8 м/с"_s,
             u"7. Принято:  Параметры дыма:  T = 450 °C,  Y = 4,9 Н/м3"_s, u"(1)\tРасход дыма"_s,
             u"G = 3420 ∙ B ∙ n ∙ H1.5 = 3420 ∙ 1,2 ∙ 1 ∙ 21.5 = 11607,3 кг/ч"_s,
             u"vk = 9,8 ∙ G / 3600 / Fk / γ/ nk = 9,8 ∙ 11607,3 / 3600 / 0,36 / 4,9 / 1 = 17,91 м/с"_s,
             u"do = √(4 ∙ Fo / π) = √(4 ∙ 0,36 / 3,14) = 0,67 м"_s,
             u"∑pi = pk + po + ∑piш = 12,5 + 3,1 + 40,2 = 55,8 Па"_s})
        EXPECT_TRUE(blocks.contains(line)) << line.toStdString();
    EXPECT_FALSE(doc.toPlainText().contains(u'?')); // \u fallbacks are skipped

    EXPECT_EQ(blockFormatOf(doc, u"РАСЧЕТ СИСТЕМЫ"_s).alignment(), Qt::AlignHCenter);
    EXPECT_TRUE(isBold(formatOf(doc, u"РАСЧЕТ СИСТЕМЫ"_s)));
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, u"ИСХОДНЫЕ ДАННЫЕ"_s).textIndent(), rtf::twipsToPixels(708));
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, u"РАСЧЕТНЫЕ ВЕЛИЧИНЫ"_s).textIndent(), rtf::twipsToPixels(708));
    EXPECT_DOUBLE_EQ(blockFormatOf(doc, u"3. Задано"_s).textIndent(), rtf::twipsToPixels(118));
    EXPECT_EQ(blockFormatOf(doc, u"3. Задано"_s).alignment(), Qt::AlignLeft);

    // Input line: number bold, kind italic, caption and value bold.
    EXPECT_TRUE(isBold(formatOf(doc, u"3. "_s)));
    EXPECT_TRUE(formatOf(doc, u"Задано:  Высота"_s).fontItalic());
    EXPECT_FALSE(isBold(formatOf(doc, u"Задано:  Высота"_s)));
    EXPECT_TRUE(isBold(formatOf(doc, u"Высота двери"_s)));
    EXPECT_FALSE(formatOf(doc, u"Высота двери"_s).fontItalic());
    EXPECT_EQ(formatOf(doc, u"м2"_s).verticalAlignment(), QTextCharFormat::AlignNormal);
    const QTextCursor area = doc.find(u"120,5 м2"_s);
    QTextCursor squared(&doc);
    squared.setPosition(area.selectionEnd());
    EXPECT_EQ(squared.charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);

    // Formula line: symbol and result bold, the rest plain; exponent raised; Greek letter in its font.
    EXPECT_TRUE(isBold(formatOf(doc, u"(1)\tРасход"_s)));
    EXPECT_FALSE(isBold(formatOf(doc, u" = 3420"_s)));
    EXPECT_TRUE(isBold(formatOf(doc, u"11607,3 кг/ч"_s)));
    EXPECT_EQ(formatOf(doc, u"1.5 = 3420"_s).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    const QTextCharFormat gamma = formatOf(doc, u"γ"_s);
    EXPECT_EQ(gamma.fontFamilies().toStringList(), QStringList {u"Times New Roman"_s});
    EXPECT_EQ(gamma.fontPointSize(), 12.0);
    EXPECT_EQ(formatOf(doc, u"/ nk"_s).fontPointSize(), 10.0);
    EXPECT_EQ(formatOf(doc, u"/ nk"_s).fontFamilies().toStringList(), QStringList {u"Arial"_s});
}

TEST(RtfReader, ReadsTextOfSmallDocuments)
{
    const struct {
        const char* rtf;
        QString text; // blocks joined by "|"
    } cases[] = {
        {"{\\rtf1 a{\\b b}c}", u"abc"_s},
        {"{\\rtf1\\uc2 x\\u1078\\'e6\\'e6y}", u"xжy"_s},
        {"{\\rtf1\\uc0 \\u1078 z}", u"жz"_s},
        {"{\\rtf1 {\\uc2 \\u1078 ab}c\\u1078?d}", u"жcжd"_s},
        {"{\\rtf1 \\u1078\\par x}", u"жx"_s}, // a control word is one fallback character
        {"{\\rtf1 \\u-3872?x}", u"\uF0E0x"_s},
        {"{\\rtf1 a{\\*\\unknown hidden}b}", u"ab"_s},
        {"{\\rtf1 a{\\unknownword shown}b}", u"ashownb"_s},
        {"{\\rtf1 a{\\pict\\wmetafile8 0102\\bin4 }}}}rest}c}", u"ac"_s},
        {"{\\rtf1 {\\info{\\title T}}{\\header H}{\\footer F}{\\stylesheet{S;}}body}", u"body"_s},
        {"{\\rtf1 \\{x\\}\\\\ y}", u"{x}\\ y"_s},
        {"{\\rtf1 a\\~b\\emdash c\\line d\\tab e}", u"a\u00A0b—c\u2028d\te"_s},
        {"{\\rtf1 {\\fonttbl{\\f0\\fcharset161 G;}{\\f1\\fcharset0 W;}{\\f2\\fcharset204 "
         "C;}}\\f0\\'e3\\f1\\'e9\\f2\\'e9}",
            u"γéй"_s},
        {"{\\rtf1\\ansi\\ansicpg1252 \\'e9}", u"é"_s},
        {"{\\rtf1 {\\fonttbl{\\f0\\fcharset2 Symbol;}}\\f0 abgp\\'b1\\'d6\\'b7}", u"αβγπ±√•"_s},
        {"{\\rtf1 \\'c0\\'FF}", u"Ая"_s},
        {"{\\rtf1 a\\'zzb\\'4}", u"azzb4"_s},
        {"{\\rtf1 a}}}b", u"ab"_s},
        {"{\\rtf1 a\\par\\par b\\par}", u"a||b"_s},
        {"{\\rtf1 a\\par}", u"a"_s},
        {"{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", u"abd"_s},
        {"{\\rtf1 \\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row after}", u"a\tb\t|after"_s},
        {"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}", u"link"_s},
        {"{\\rtf1 line\r\nbreaks\n are ignored}", u"linebreaks are ignored"_s},
        {"{\\rtf1 a\\\r\nb}", u"a|b"_s},
        {"", u""_s},
        {"{\\rtf", u""_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readText(QByteArray(c.rtf)), c.text) << c.rtf;

    // Text that is not RTF is shown as it is.
    EXPECT_EQ(readText(cp1251::encode(u"Просто текст"_s)), u"Просто текст"_s);
}

TEST(RtfReader, GroupsRestoreTheFormattingAroundThem)
{
    QTextDocument doc;
    rtf::readRtf("{\\rtf1 a{\\b\\i\\ul\\strike\\fs40 b{\\b0 c}d}e\\b f\\plain g"
                 "\\par x\\super 2\\nosupersub y\\sub 3\\nosupersub z{\\up6 u}v}",
        doc);
    const QTextCharFormat b = formatOf(doc, u"b"_s);
    EXPECT_TRUE(isBold(b));
    EXPECT_TRUE(b.fontItalic());
    EXPECT_TRUE(b.fontUnderline());
    EXPECT_TRUE(b.fontStrikeOut());
    EXPECT_EQ(b.fontPointSize(), 20.0);
    EXPECT_FALSE(isBold(formatOf(doc, u"c"_s)));
    EXPECT_TRUE(formatOf(doc, u"c"_s).fontItalic());
    EXPECT_TRUE(isBold(formatOf(doc, u"d"_s)));
    const QTextCharFormat e = formatOf(doc, u"e"_s);
    EXPECT_FALSE(isBold(e) || e.fontItalic() || e.fontUnderline() || e.fontStrikeOut());
    EXPECT_EQ(e.fontPointSize(), 12.0);
    EXPECT_TRUE(isBold(formatOf(doc, u"f"_s)));
    EXPECT_FALSE(isBold(formatOf(doc, u"g"_s)));

    const struct {
        const char16_t* text;
        QTextCharFormat::VerticalAlignment alignment;
    } vertical[] = {{u"2", QTextCharFormat::AlignSuperScript}, {u"y", QTextCharFormat::AlignNormal},
        {u"3", QTextCharFormat::AlignSubScript}, {u"z", QTextCharFormat::AlignNormal},
        {u"u", QTextCharFormat::AlignSuperScript}, {u"v", QTextCharFormat::AlignNormal}};
    for (const auto& c : vertical)
        EXPECT_EQ(formatOf(doc, QString::fromUtf16(c.text)).verticalAlignment(), c.alignment)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(RtfReader, ParagraphsTakeTheFormattingInForceAtTheirEnd)
{
    QTextDocument doc;
    rtf::readRtf("{\\rtf1 \\pard\\qc\\fi-200\\li400\\ri300\\sb120\\sa240\\tx1440\\tx2880 a\\par"
                 "\\pard b\\qr\\par c\\par\\pard\\qj d}",
        doc);
    ASSERT_EQ(blockTexts(doc), QStringList({u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    const QTextBlockFormat a = doc.findBlockByNumber(0).blockFormat();
    EXPECT_EQ(a.alignment(), Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(a.textIndent(), rtf::twipsToPixels(-200));
    EXPECT_DOUBLE_EQ(a.leftMargin(), rtf::twipsToPixels(400));
    EXPECT_DOUBLE_EQ(a.rightMargin(), rtf::twipsToPixels(300));
    EXPECT_DOUBLE_EQ(a.topMargin(), rtf::twipsToPixels(120));
    EXPECT_DOUBLE_EQ(a.bottomMargin(), rtf::twipsToPixels(240));
    // Tab stops count from the page margin, the layout from where the first line starts (200 twips):
    // the hanging indent's stop at 400, the given ones, then the default stops every 720.
    const QList<QTextOption::Tab> tabs = a.tabPositions();
    ASSERT_GE(tabs.size(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_DOUBLE_EQ(tabs[i].position, rtf::twipsToPixels(QList {200, 1240, 2680, 3400}[i])) << i;

    const QTextBlockFormat b = doc.findBlockByNumber(1).blockFormat();
    EXPECT_EQ(b.alignment(), Qt::AlignRight);
    EXPECT_DOUBLE_EQ(b.textIndent(), 0.0);
    EXPECT_TRUE(b.tabPositions().isEmpty());
    EXPECT_EQ(doc.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(doc.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignJustify);
}

TEST(RtfReader, LoadsFilesAndKeepsTheTextWhenAFileIsMissing)
{
    QTextDocument doc;
    EXPECT_TRUE(rtf::loadRtfFile(testSourcePath(u"rtf/fixtures/wordpad.rtf"_s), doc));
    EXPECT_TRUE(doc.toPlainText().startsWith(u"Вентиляторы ВРАН"_s));

    EXPECT_FALSE(rtf::loadRtfFile(testSourcePath(u"rtf/fixtures/no-such-file.rtf"_s), doc));
    EXPECT_FALSE(rtf::loadRtfFile(testSourcePath(u"rtf/fixtures"_s), doc)); // a folder
    EXPECT_TRUE(doc.toPlainText().startsWith(u"Вентиляторы ВРАН"_s));
}

TEST(RtfReader, SurvivesArbitraryBytes)
{
    quint32 seed = 20240611;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    const QByteArray alphabet = "{}{}\\\\\\'*abcdefilnpqrstuxy0123456789- ;\xe0\xff\r\n";
    QTextDocument doc;

    // Random RTF-like text.
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = "{\\rtf1 ";
        const int size = static_cast<int>(next() % 300);
        for (int i = 0; i < size; ++i)
            bytes.append(next() % 8 == 0 ? static_cast<char>(next()) : alphabet[next() % alphabet.size()]);
        rtf::readRtf(bytes, doc);
        ASSERT_GE(doc.blockCount(), 1);
    }

    // Damaged copies of real documents: bytes overwritten, then cut short.
    for (const QString& name : {u"wordpad.rtf"_s, u"libreoffice.rtf"_s, u"smoke-report.rtf"_s}) {
        const QByteArray original = fixtureBytes(u"rtf"_s, name);
        for (int round = 0; round < 150; ++round) {
            QByteArray bytes = original;
            for (int i = 0; i < 8; ++i)
                bytes[next() % bytes.size()] = static_cast<char>(next());
            bytes.truncate(next() % (bytes.size() + 1));
            rtf::readRtf(bytes, doc);
        }
    }

    // Extremes: deep nesting, huge parameters, data that claims to run past the end.
    const QByteArray extremes[] = {
        "{\\rtf1 " + QByteArray(100000, '{') + "deep" + QByteArray(100000, '}') + "after}",
        "{\\rtf1 \\fs999999999999999 a\\u99999999999 b\\uc99999 c\\fi-99999999999 d\\par}",
        "{\\rtf1 \\bin999999999 abc}",
        "{\\rtf1 \\bin-5 abc}",
        "{\\rtf1 \\" + QByteArray(10000, 'a') + " x}",
        "{\\rtf1 {\\colortbl;\\red999\\green-1;}\\cf1 a\\cf99 b\\highlight-3 c}",
        "{\\rtf1 {\\fonttbl{\\f-1\\fcharset-7 " + QByteArray(1000, 'n') + ";}}\\f-1 x}",
    };
    for (const QByteArray& bytes : extremes) {
        rtf::readRtf(bytes, doc);
        ASSERT_GE(doc.blockCount(), 1);
    }
    EXPECT_TRUE(doc.toPlainText().contains(u"x"_s));
}
