#include "common/Cp1251.h"

#include <array>

namespace {

// Characters of the bytes 0x80..0xFF; the bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> upperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F, // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, // 0xB8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, // 0xC0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, // 0xC8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, // 0xD0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F, // 0xD8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, // 0xE0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, // 0xE8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447, // 0xF0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F, // 0xF8
};

constexpr char unmappable = '?';

// Byte of every character of the Basic Multilingual Plane; 0 marks a character the code page lacks
// (U+0000 itself is handled before the lookup).
const std::array<unsigned char, 0x10000>& encodeTable()
{
    static const auto table = [] {
        std::array<unsigned char, 0x10000> t {};
        for (unsigned b = 0; b < 0x80; ++b)
            t[b] = static_cast<unsigned char>(b);
        for (unsigned b = 0; b < upperHalf.size(); ++b)
            t[upperHalf[b]] = static_cast<unsigned char>(0x80 + b);
        return t;
    }();
    return table;
}

} // namespace

namespace cp1251 {

QChar decodeByte(unsigned char byte)
{
    return byte < 0x80 ? QChar(char16_t(byte)) : QChar(upperHalf[byte - 0x80]);
}

QString decode(const char* bytes, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < size; ++i)
        out[i] = decodeByte(static_cast<unsigned char>(bytes[i]));
    return text;
}

QString decode(const QByteArray& bytes)
{
    return decode(bytes.constData(), bytes.size());
}

QByteArray encode(const QString& text)
{
    const auto& table = encodeTable();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // characters beyond the BMP are never in the code page
        else if (c.unicode() == 0 || table[c.unicode()] != 0) {
            bytes.append(static_cast<char>(table[c.unicode()]));
            continue;
        }
        bytes.append(unmappable);
    }
    return bytes;
}

} // namespace cp1251
