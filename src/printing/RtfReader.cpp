#include "printing/RtfReader.h"

#include "common/Cp1251.h"

#include <QColor>
#include <QFile>
#include <QHash>
#include <QList>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace rtf {
namespace {

// ---------------------------------------------------------------------------------------------
// Single-byte code pages used by RTF fonts besides 1251: the characters of the bytes 0x80..0xFF.

constexpr std::array<char16_t, 128> westernUpperHalf = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178, // 0x98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF, // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF, // 0xB8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7, // 0xC0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, // 0xC8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7, // 0xD0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF, // 0xD8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, // 0xE0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, // 0xE8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7, // 0xF0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF, // 0xF8
};

// The reports draw γ and π with a Greek font.
constexpr std::array<char16_t, 128> greekUpperHalf = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0xFFFD, 0x2030, 0xFFFD, 0x2039, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, // 0x88
    0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0xFFFD, 0x2122, 0xFFFD, 0x203A, 0xFFFD, 0xFFFD, 0xFFFD, 0xFFFD, // 0x98
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0xFFFD, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015, // 0xA8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F, // 0xB8
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397, // 0xC0
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F, // 0xC8
    0x03A0, 0x03A1, 0xFFFD, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7, // 0xD0
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF, // 0xD8
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7, // 0xE0
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF, // 0xE8
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7, // 0xF0
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0xFFFD, // 0xF8
};

// Symbol fonts (character set 2) place Greek letters and mathematical signs on Latin codes; WordPad
// writes its list bullets with them.
QChar symbolFontCharacter(unsigned char byte)
{
    static const char16_t greek[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ',
        u'μ', u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static const char16_t capitalGreek[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ',
        u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static const QHash<unsigned char, char16_t> signs
        = {{0x2D, u'−'}, {0x2A, u'∗'}, {0x22, u'∀'}, {0x24, u'∃'}, {0x40, u'≅'}, {0x5E, u'⊥'}, {0xA2, u'′'},
            {0xA3, u'≤'}, {0xA5, u'∞'}, {0xAC, u'←'}, {0xAD, u'↑'}, {0xAE, u'→'}, {0xAF, u'↓'}, {0xB0, u'°'},
            {0xB1, u'±'}, {0xB2, u'″'}, {0xB3, u'≥'}, {0xB4, u'×'}, {0xB6, u'∂'}, {0xB7, u'•'}, {0xB8, u'÷'},
            {0xB9, u'≠'}, {0xBA, u'≡'}, {0xBB, u'≈'}, {0xC6, u'∅'}, {0xCE, u'∈'}, {0xCF, u'∉'}, {0xD0, u'∠'},
            {0xD1, u'∇'}, {0xD5, u'∏'}, {0xD6, u'√'}, {0xD7, u'⋅'}, {0xE0, u'◊'}, {0xE5, u'∑'}, {0xF2, u'∫'}};
    if (byte >= 'a' && byte <= 'z')
        return QChar(greek[byte - 'a']);
    if (byte >= 'A' && byte <= 'Z')
        return QChar(capitalGreek[byte - 'A']);
    if (const auto it = signs.constFind(byte); it != signs.constEnd())
        return QChar(*it);
    return byte < 0x80 ? QChar(char16_t(byte)) : QChar(QChar::ReplacementCharacter);
}

enum class CodePage { Cyrillic, Western, Greek, Symbol };

QChar decodeByte(unsigned char byte, CodePage codePage)
{
    if (codePage == CodePage::Symbol)
        return symbolFontCharacter(byte);
    if (byte < 0x80)
        return QChar(char16_t(byte));
    switch (codePage) {
    case CodePage::Western:
        return QChar(westernUpperHalf[byte - 0x80]);
    case CodePage::Greek:
        return QChar(greekUpperHalf[byte - 0x80]);
    case CodePage::Symbol: // translated above
    case CodePage::Cyrillic:
        break;
    }
    return cp1251::decodeByte(byte);
}

// ---------------------------------------------------------------------------------------------
// Parser state

enum class Destination { Text, Skip, FontTable, FontName, ColorTable };

struct CharState {
    int font = -1; // -1: the document's default font
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    QTextCharFormat::VerticalAlignment vertical = QTextCharFormat::AlignNormal;
    int color = 0;
    int highlight = 0;
    bool operator==(const CharState&) const = default;
};

struct ParaState {
    Qt::Alignment alignment = Qt::AlignLeft;
    int firstIndent = 0;
    int leftIndent = 0;
    int rightIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<int> tabs;
};

struct GroupState {
    CharState chars;
    ParaState para;
    Destination destination = Destination::Text;
    int unicodeSkip = 1;
};

struct FontEntry {
    QString family;
    int charset = 1; // 1: the document's code page
};

constexpr int maxGroupDepth = 512;
constexpr int maxWordLength = 32;
constexpr int maxLength = 100000; // twips; larger values are clamped

// Destinations whose content is never shown.
bool isSkippedDestination(const QByteArray& word)
{
    static const QList<QByteArray> skipped = {"stylesheet", "info", "pict", "object", "header", "headerl",
        "headerr", "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst",
        "themedata", "colorschememapping", "latentstyles", "datastore", "listtable", "listoverridetable",
        "revtbl", "rsidtbl", "xmlnstbl", "filetbl", "generator", "nonshppict", "shppict", "bkmkstart",
        "bkmkend", "atnid", "atnauthor", "template", "docvar", "pgdsctbl", "txe", "xe", "tc", "tcn",
        "mmathPr", "userprops", "blipuid", "pn", "panose", "fchars", "lchars", "falt"};
    return skipped.contains(word);
}

QChar namedCharacter(const QByteArray& word)
{
    static const QHash<QByteArray, char16_t> named
        = {{"emdash", 0x2014}, {"endash", 0x2013}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
            {"qmspace", 0x2005}, {"zwj", 0x200D}, {"zwnj", 0x200C}, {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};
    const auto it = named.constFind(word);
    return it == named.constEnd() ? QChar() : QChar(*it);
}

// Windows font names such as "Arial CYR" name a script variant of a font the system knows by its
// plain name.
QString plainFamily(QString name)
{
    name = name.trimmed();
    static const QStringList scriptSuffixes = {u" CYR"_s, u" Greek"_s, u" CE"_s, u" Tur"_s, u" Baltic"_s};
    for (const QString& suffix : scriptSuffixes)
        if (name.endsWith(suffix, Qt::CaseInsensitive))
            return name.chopped(suffix.size()).trimmed();
    return name;
}

int clampLength(int twips)
{
    return std::clamp(twips, -maxLength, maxLength);
}

class Parser {
public:
    Parser(const QByteArray& rtf, QTextDocument& document)
        : m_in(rtf)
        , m_cursor(&document)
    {
    }

    void run();

private:
    // Tokens
    void controlSequence();
    void controlWord(const QByteArray& word, bool hasParameter, int parameter);
    void textWord(const QByteArray& word, bool hasParameter, int parameter);
    void fontTableWord(const QByteArray& word, int parameter);
    void colorTableWord(const QByteArray& word, int parameter);
    void byteInText(unsigned char byte);
    void openGroup();
    void closeGroup();

    // Output
    void appendChar(QChar c);
    void flush();
    void endParagraph();
    void finish();
    QTextCharFormat charFormat(const CharState& chars) const;
    QTextBlockFormat blockFormat(const ParaState& para) const;
    CodePage codePageOf(int font) const;
    CodePage codePageOfCharset(int charset) const;

    // Tables
    void commitFont();
    void commitColor();

    const QByteArray& m_in;
    qsizetype m_pos = 0;
    QTextCursor m_cursor;

    GroupState m_state;
    QList<GroupState> m_stack;
    int m_overflowDepth = 0; // groups opened beyond maxGroupDepth
    int m_skipAfterUnicode = 0;

    QString m_text;
    CharState m_textChars;
    ParaState m_lastTextPara;

    int m_defaultFont = 0;
    int m_defaultTab = 720; // twips; half an inch unless the document says otherwise
    CodePage m_documentCodePage = CodePage::Cyrillic;
    QHash<int, FontEntry> m_fonts;
    int m_fontIndex = 0;
    int m_fontCharset = 1;
    QByteArray m_fontName;
    QByteArray m_fontRealName;

    QList<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;
};

void Parser::run()
{
    while (m_pos < m_in.size()) {
        const char c = m_in[m_pos++];
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
            break;
        default:
            byteInText(static_cast<unsigned char>(c));
        }
    }
    finish();
}

void Parser::openGroup()
{
    m_skipAfterUnicode = 0;
    if (m_stack.size() >= maxGroupDepth) {
        ++m_overflowDepth;
        return;
    }
    m_stack.append(m_state);
}

void Parser::closeGroup()
{
    m_skipAfterUnicode = 0;
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return;
    }
    if (m_stack.isEmpty())
        return; // a stray closing brace
    if (m_state.destination == Destination::FontTable && !m_fontName.isEmpty())
        commitFont(); // the last entry may lack its ";"
    m_state = m_stack.takeLast();
}

void Parser::controlSequence()
{
    if (m_pos >= m_in.size())
        return;
    const char c = m_in[m_pos++];
    const auto isLetter = [](char ch) { return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'); };
    const auto isDigit = [](char ch) { return ch >= '0' && ch <= '9'; };

    if (!isLetter(c)) {
        if (c == '\'') {
            const auto hexDigit = [](char ch) {
                return ch >= '0' && ch <= '9' ? ch - '0'
                    : ch >= 'a' && ch <= 'f'  ? ch - 'a' + 10
                    : ch >= 'A' && ch <= 'F'  ? ch - 'A' + 10
                                              : -1;
            };
            if (m_pos + 2 > m_in.size())
                return;
            const int high = hexDigit(m_in[m_pos]);
            const int low = hexDigit(m_in[m_pos + 1]);
            if (high < 0 || low < 0)
                return;
            m_pos += 2;
            byteInText(static_cast<unsigned char>(high * 16 + low));
        } else if (c == '\\' || c == '{' || c == '}') {
            byteInText(static_cast<unsigned char>(c));
        } else if (c == '*') {
            if (m_state.destination == Destination::FontTable)
                m_state.destination = Destination::FontName; // {\*\fname ...}; other parts are skipped
            else if (m_state.destination != Destination::FontName)
                m_state.destination = Destination::Skip;
        } else if (c == '\r' || c == '\n') {
            controlWord("par", false, 0);
        } else if (c == '~') {
            controlWord("~", false, 0);
        } else if (c == '_') {
            controlWord("_", false, 0);
        } else if (c == '-') {
            controlWord("-", false, 0);
        }
        return;
    }

    QByteArray word(1, c);
    while (m_pos < m_in.size() && isLetter(m_in[m_pos])) {
        if (word.size() < maxWordLength)
            word.append(m_in[m_pos]);
        ++m_pos;
    }
    bool negative = false;
    if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && isDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    bool hasParameter = false;
    qint64 value = 0;
    while (m_pos < m_in.size() && isDigit(m_in[m_pos])) {
        hasParameter = true;
        value = std::min<qint64>(value * 10 + (m_in[m_pos] - '0'), 1'000'000'000);
        ++m_pos;
    }
    if (m_pos < m_in.size() && m_in[m_pos] == ' ')
        ++m_pos;
    const int parameter = static_cast<int>(negative ? -value : value);

    if (word == "bin") {
        // Binary data follows in every destination; it is never shown.
        m_pos += std::min<qint64>(std::max(parameter, 0), m_in.size() - m_pos);
        return;
    }
    controlWord(word, hasParameter, parameter);
}

void Parser::controlWord(const QByteArray& word, bool hasParameter, int parameter)
{
    if (word == "deff") {
        m_defaultFont = parameter;
        return;
    }
    if (word == "ansicpg") {
        m_documentCodePage = parameter == 1252 ? CodePage::Western
            : parameter == 1253                ? CodePage::Greek
                                               : CodePage::Cyrillic;
        return;
    }
    switch (m_state.destination) {
    case Destination::Skip:
        return;
    case Destination::FontTable:
        fontTableWord(word, parameter);
        return;
    case Destination::FontName:
        if (word != "fname")
            m_state.destination = Destination::Skip; // another optional part of a font entry
        return;
    case Destination::ColorTable:
        colorTableWord(word, parameter);
        return;
    case Destination::Text:
        break;
    }
    if (m_skipAfterUnicode > 0) {
        --m_skipAfterUnicode; // a control word stands for one character of the fallback text
        return;
    }
    textWord(word, hasParameter, parameter);
}

void Parser::fontTableWord(const QByteArray& word, int parameter)
{
    if (word == "f") {
        if (!m_fontName.isEmpty())
            commitFont();
        m_fontIndex = parameter;
    } else if (word == "fcharset") {
        m_fontCharset = parameter;
    } else if (isSkippedDestination(word)) {
        m_state.destination = Destination::Skip;
    }
}

void Parser::colorTableWord(const QByteArray& word, int parameter)
{
    const int component = std::clamp(parameter, 0, 255);
    if (word == "red")
        m_red = component;
    else if (word == "green")
        m_green = component;
    else if (word == "blue")
        m_blue = component;
}

void Parser::textWord(const QByteArray& word, bool hasParameter, int parameter)
{
    CharState& chars = m_state.chars;
    ParaState& para = m_state.para;
    const bool on = !hasParameter || parameter != 0;

    if (word == "par" || word == "sect" || word == "page") {
        endParagraph();
    } else if (word == "pard") {
        para = ParaState();
    } else if (word == "plain") {
        chars = CharState();
    } else if (word == "line") {
        appendChar(QChar::LineSeparator);
    } else if (word == "tab") {
        appendChar(QLatin1Char('\t'));
    } else if (word == "b") {
        chars.bold = on;
    } else if (word == "i") {
        chars.italic = on;
    } else if (word == "v") {
        chars.hidden = on;
    } else if (word == "cell" || word == "nestcell") {
        appendChar(QLatin1Char('\t')); // table cells become tab-separated text
    } else if (word == "row" || word == "nestrow") {
        endParagraph();
    } else if (word == "strike") {
        chars.strike = on;
    } else if (word == "ulnone") {
        chars.underline = false;
    } else if (word.startsWith("ul") && word != "ulc") {
        chars.underline = on;
    } else if (word == "f") {
        chars.font = parameter;
    } else if (word == "fs") {
        chars.halfPoints = parameter > 0 ? std::clamp(parameter, 2, 3276) : 24;
    } else if (word == "cf") {
        chars.color = parameter;
    } else if (word == "highlight" || word == "cb") {
        chars.highlight = parameter;
    } else if (word == "super") {
        chars.vertical = QTextCharFormat::AlignSuperScript;
    } else if (word == "sub") {
        chars.vertical = QTextCharFormat::AlignSubScript;
    } else if (word == "nosupersub") {
        chars.vertical = QTextCharFormat::AlignNormal;
    } else if (word == "up") {
        chars.vertical = parameter > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignNormal;
    } else if (word == "dn") {
        chars.vertical = parameter > 0 ? QTextCharFormat::AlignSubScript : QTextCharFormat::AlignNormal;
    } else if (word == "ql") {
        para.alignment = Qt::AlignLeft;
    } else if (word == "qc") {
        para.alignment = Qt::AlignHCenter;
    } else if (word == "qr") {
        para.alignment = Qt::AlignRight;
    } else if (word == "qj") {
        para.alignment = Qt::AlignJustify;
    } else if (word == "fi") {
        para.firstIndent = clampLength(parameter);
    } else if (word == "li") {
        para.leftIndent = clampLength(parameter);
    } else if (word == "ri") {
        para.rightIndent = clampLength(parameter);
    } else if (word == "sb") {
        para.spaceBefore = clampLength(parameter);
    } else if (word == "sa") {
        para.spaceAfter = clampLength(parameter);
    } else if (word == "deftab") {
        m_defaultTab = std::clamp(parameter, 60, maxLength);
    } else if (word == "tx") {
        if (para.tabs.size() < 64)
            para.tabs.append(clampLength(parameter));
    } else if (word == "u") {
        const int code = parameter < 0 ? parameter + 65536 : parameter;
        if (code > 0 && code <= 0xFFFF)
            appendChar(QChar(char16_t(code)));
        m_skipAfterUnicode = m_state.unicodeSkip;
    } else if (word == "uc") {
        m_state.unicodeSkip = std::clamp(parameter, 0, 16);
    } else if (word == "~") {
        appendChar(QChar(0x00A0));
    } else if (word == "_") {
        appendChar(QChar(0x2011));
    } else if (word == "-") {
        appendChar(QChar(0x00AD));
    } else if (word == "fonttbl") {
        m_state.destination = Destination::FontTable;
        m_fontName.clear();
        m_fontRealName.clear();
        m_fontCharset = 1;
    } else if (word == "colortbl") {
        m_state.destination = Destination::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
    } else if (isSkippedDestination(word)) {
        m_state.destination = Destination::Skip;
    } else if (const QChar named = namedCharacter(word); !named.isNull()) {
        appendChar(named);
    }
}

void Parser::byteInText(unsigned char byte)
{
    switch (m_state.destination) {
    case Destination::Text:
        if (m_skipAfterUnicode > 0) {
            --m_skipAfterUnicode;
            return;
        }
        appendChar(byte == '\t' ? QLatin1Char('\t') : decodeByte(byte, codePageOf(m_state.chars.font)));
        return;
    case Destination::FontTable:
        if (byte == ';')
            commitFont();
        else if (m_fontName.size() < 256)
            m_fontName.append(static_cast<char>(byte));
        return;
    case Destination::FontName:
        if (byte != ';' && m_fontRealName.size() < 256)
            m_fontRealName.append(static_cast<char>(byte));
        return;
    case Destination::ColorTable:
        if (byte == ';')
            commitColor();
        return;
    case Destination::Skip:
        return;
    }
}

void Parser::commitFont()
{
    const QByteArray& name = m_fontRealName.isEmpty() ? m_fontName : m_fontRealName;
    QString family;
    const CodePage codePage = m_fontCharset == 2 ? CodePage::Western : codePageOfCharset(m_fontCharset);
    for (const char byte : name)
        family += decodeByte(static_cast<unsigned char>(byte), codePage);
    m_fonts.insert(m_fontIndex, {plainFamily(family), m_fontCharset});
    m_fontName.clear();
    m_fontRealName.clear();
    m_fontCharset = 1;
}

void Parser::commitColor()
{
    // An entry without components is the automatic colour.
    m_colors.append(m_red < 0 && m_green < 0 && m_blue < 0
            ? QColor()
            : QColor(std::max(m_red, 0), std::max(m_green, 0), std::max(m_blue, 0)));
    m_red = m_green = m_blue = -1;
}

CodePage Parser::codePageOfCharset(int charset) const
{
    switch (charset) {
    case 204:
        return CodePage::Cyrillic;
    case 0:
        return CodePage::Western;
    case 2:
        return CodePage::Symbol;
    case 161:
        return CodePage::Greek;
    default:
        return m_documentCodePage;
    }
}

CodePage Parser::codePageOf(int font) const
{
    const auto it = m_fonts.constFind(font < 0 ? m_defaultFont : font);
    return it == m_fonts.constEnd() ? m_documentCodePage : codePageOfCharset(it->charset);
}

void Parser::appendChar(QChar c)
{
    if ((c.unicode() < 0x20 && c != QLatin1Char('\t')) || m_state.chars.hidden)
        return;
    if (!m_text.isEmpty() && !(m_textChars == m_state.chars))
        flush();
    m_textChars = m_state.chars;
    m_lastTextPara = m_state.para;
    m_text += c;
}

void Parser::flush()
{
    if (m_text.isEmpty())
        return;
    m_cursor.insertText(m_text, charFormat(m_textChars));
    m_text.clear();
}

void Parser::endParagraph()
{
    flush();
    // The formatting in force at the end of a paragraph is the paragraph's.
    m_cursor.setBlockFormat(blockFormat(m_state.para));
    m_cursor.setBlockCharFormat(charFormat(m_state.chars));
    m_cursor.insertBlock();
}

void Parser::finish()
{
    QTextOption option = m_cursor.document()->defaultTextOption();
    option.setTabStopDistance(twipsToPixels(m_defaultTab));
    m_cursor.document()->setDefaultTextOption(option);

    const bool lastHasText = !m_text.isEmpty() || !m_cursor.block().text().isEmpty();
    flush();
    if (lastHasText) {
        m_cursor.setBlockFormat(blockFormat(m_lastTextPara));
    } else if (m_cursor.document()->blockCount() > 1) {
        // The last \par ends the last paragraph; it opens no empty one.
        m_cursor.deletePreviousChar();
    }
}

QTextCharFormat Parser::charFormat(const CharState& chars) const
{
    QTextCharFormat format;
    const auto font = m_fonts.constFind(chars.font < 0 ? m_defaultFont : chars.font);
    // Characters of symbol fonts are already translated to Unicode, so any font shows them.
    if (font != m_fonts.constEnd() && !font->family.isEmpty() && font->charset != 2)
        format.setFontFamilies({font->family});
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    format.setVerticalAlignment(chars.vertical);
    if (chars.color > 0 && chars.color < m_colors.size() && m_colors[chars.color].isValid())
        format.setForeground(m_colors[chars.color]);
    if (chars.highlight > 0 && chars.highlight < m_colors.size() && m_colors[chars.highlight].isValid())
        format.setBackground(m_colors[chars.highlight]);
    return format;
}

QTextBlockFormat Parser::blockFormat(const ParaState& para) const
{
    QTextBlockFormat format;
    format.setAlignment(para.alignment);
    format.setTextIndent(twipsToPixels(para.firstIndent));
    format.setLeftMargin(twipsToPixels(para.leftIndent));
    format.setRightMargin(twipsToPixels(para.rightIndent));
    format.setTopMargin(twipsToPixels(para.spaceBefore));
    format.setBottomMargin(twipsToPixels(para.spaceAfter));

    // RTF measures tab stops from the page margin, the text layout from the start of the line. The
    // stops are converted for the first line of the paragraph, which is where tabs stand in practice.
    const int lineStart = para.leftIndent + para.firstIndent;
    if (para.tabs.isEmpty() && lineStart == 0)
        return format; // the document's default stops fit
    QList<int> stops = para.tabs;
    if (para.firstIndent < 0)
        stops.append(para.leftIndent); // a hanging indent is a tab stop, as in word processors
    std::sort(stops.begin(), stops.end());
    const int lastStop = std::max(stops.isEmpty() ? lineStart : stops.last(), lineStart);
    constexpr int defaultStopsUpTo = 11520; // 8 inches
    for (int stop = (lastStop / m_defaultTab + 1) * m_defaultTab; stop <= defaultStopsUpTo;
         stop += m_defaultTab)
        stops.append(stop);
    QList<QTextOption::Tab> tabs;
    for (const int stop : stops)
        if (stop > lineStart)
            tabs.append(QTextOption::Tab(twipsToPixels(stop - lineStart), QTextOption::LeftTab));
    format.setTabPositions(tabs);
    return format;
}

bool looksLikeRtf(const QByteArray& bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '\t'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

} // namespace

void readRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.clear();
    if (!looksLikeRtf(rtf)) {
        document.setPlainText(cp1251::decode(rtf));
        return;
    }
    Parser(rtf, document).run();
}

bool loadRtfFile(const QString& fileName, QTextDocument& document)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    readRtf(bytes, document);
    return true;
}

} // namespace rtf
