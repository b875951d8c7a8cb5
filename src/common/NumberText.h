#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// The program's rules for numbers as text: reading what the user typed, writing numbers into
// designations, grids and reports, and the separator-independent form kept in project files.
// Every function that depends on the decimal separator takes it as a parameter; windows pass
// systemDecimalSeparator().

// The decimal separator of the user's locale.
QChar systemDecimalSeparator();

// Reads a typed number: blanks at both ends are ignored; the only decimal mark accepted is
// `decimalSeparator`; no thousands separators. Empty text, infinities, NaN and numbers too large for
// a double fail.
std::optional<double> parseNumber(const QString& text, QChar decimalSeparator);

// The three messages that explain a number that could not be read, in the order they are shown.
QStringList badNumberMessages(const QString& untrimmedText);

// Shortest general form of the value with the first "." replaced by ",", so that designations are
// the same whatever the system separator: 3.15 -> "3,15", 4 -> "4".
QString decimalComma(double value);

// Project files carry numbers with "!_!" as decimal mark, so a file written under one separator reads
// back under any other.
inline constexpr QStringView numberTextMark = u"!_!";
QString encodeNumberText(const QString& boxText, QChar decimalSeparator);
QString decodeNumberText(const QString& fileText, QChar decimalSeparator);

// Replaces every occurrence of `oldText` by `newText`; when `oldText` does not occur, its upper-case
// form is replaced instead. Inserted text is never searched again, so the call always ends.
QString replaceAll(const QString& text, const QString& oldText, const QString& newText);

// Splits a list such as "(1;2;3)" into its items. The delimiters are , ; . ( ) - + / \ = ; blanks
// are not delimiters but are trimmed from the items ("a b, c" gives "a b" and "c").
QStringList splitTokens(const QString& text);

// Flows and pressures shown as whole numbers: nearest integer, halves to even.
double roundHalfEven(double value);
QString integerText(double value);

// Powers and air speeds: general format with 4 significant digits and the given decimal mark.
QString generalText4(double value, QChar decimalSeparator);
// Fixed format with `decimals` digits after the given decimal mark: 80.04, 1 -> "80,0".
QString fixedText(double value, int decimals, QChar decimalSeparator);
