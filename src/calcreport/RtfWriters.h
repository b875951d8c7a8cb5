#pragma once

#include <QByteArray>
#include <QString>

// The report vocabulary of the calculation windows: RTF text in code page 1251 appended to a byte
// buffer. Every fragment is written exactly as the report format gives it, so the same inputs always
// give the same bytes.
namespace calcreport {

// The RTF header: fonts f0 (Arial, Cyrillic text), f1 (Times New Roman, root and sum signs) and f2
// (Times New Roman Greek, γ and π).
const QByteArray& rtfHeader();

// Empties the buffer and writes the RTF header.
void writeHeader(QByteArray& buffer);
// Appends the text as it is (RTF control words, numbers).
void writeRaw(QByteArray& buffer, const QByteArray& text);
// Appends every code-page-1251 byte of the text as \'hh with lower-case hexadecimal digits.
void writeEscaped(QByteArray& buffer, const QString& text);
// A bold centred title and a bold indented heading, each on a paragraph of its own.
void writeTitle(QByteArray& buffer, const QString& text);
void writeHeading(QByteArray& buffer, const QString& text);

// Units of the input lines, written as raw RTF fragments.
enum class ReportUnit {
    None,
    Metre,
    SquareMetre,
    MetrePerSecond,
    NewtonPerCubicMetre,
    Celsius,
    KilogramPerHour
};
QByteArray unitFragment(ReportUnit unit);

// Signs of the formula lines.
namespace sign {
inline constexpr char dot[] = "\\u8729?"; // multiplication dot
inline constexpr char root[] = "\\f1\\fs24\\u8730?\\f0\\fs20";
inline constexpr char sum[] = "\\f1\\fs24\\u8721?\\f0\\fs20";
inline constexpr char gamma[] = "\\f2\\fs24\\'e3\\f0\\fs20"; // specific weight of smoke
inline constexpr char pi[] = "\\f2\\fs24\\'f0\\f0\\fs20";
inline constexpr char zeta[] = "\\f2\\fs24\\'e6\\f0\\fs20"; // resistance coefficient
// Signs of the reports that switch no font: the Unicode character alone.
inline constexpr char plainRoot[] = "\\u8730?";
inline constexpr char rho[] = "\\u0961?"; // density
} // namespace sign
// An exponent: "\super " e "\nosupersub ".
QByteArray exponentFragment(const QByteArray& exponent);

} // namespace calcreport
