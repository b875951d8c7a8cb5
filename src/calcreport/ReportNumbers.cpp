#include "calcreport/ReportNumbers.h"

namespace calcreport {

QString generalText(double value, int significantDigits, QChar decimalSeparator)
{
    QString text = QString::number(value + 0.0, 'g', significantDigits); // + 0.0: no "-0"
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString cutAfterSeparator(const QString& text, QChar decimalSeparator, int keep)
{
    const qsizetype mark = text.indexOf(decimalSeparator);
    if (mark < 0)
        return text;
    qsizetype exponent = text.indexOf(QLatin1Char('e'), mark);
    if (exponent < 0)
        exponent = text.size();
    const qsizetype end = std::min(exponent, mark + 1 + keep);
    return text.left(end) + text.mid(exponent);
}

QString reportNumber(double value, QChar decimalSeparator)
{
    return cutAfterSeparator(generalText(value, 6, decimalSeparator), decimalSeparator, 2);
}

} // namespace calcreport
