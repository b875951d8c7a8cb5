#pragma once

#include <QChar>
#include <QString>

// Numbers as the calculation reports and section tables write them.
namespace calcreport {

// General number format with the given significant digits and decimal mark; no "-0".
QString generalText(double value, int significantDigits, QChar decimalSeparator);

// Cuts a number text `keep` characters after its decimal mark, without rounding; a text without the
// mark is kept whole. An exponent ("1.23457e-05") survives the cut ("1.23e-05").
QString cutAfterSeparator(const QString& text, QChar decimalSeparator, int keep);

// Numbers of the calculation part: 6 significant digits, cut two characters after the mark.
QString reportNumber(double value, QChar decimalSeparator);

} // namespace calcreport
