#include "common/NumberText.h"

#include <QLocale>
#include <cmath>

using namespace Qt::StringLiterals;

QChar systemDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 ? point.front() : QLatin1Char('.');
}

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Checks the shape [sign] digits [sep digits] [e [sign] digits] and returns the text in the C
// locale's notation, or an empty text when the shape is wrong. Only ASCII digits are accepted, so
// nothing but the grammar below ever reaches the conversion.
QString toCNotation(const QString& text, QChar decimalSeparator)
{
    QString out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto sign = [&] {
        if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
            out += text[i++];
    };
    auto digits = [&] {
        const qsizetype start = i;
        while (i < n && isDigit(text[i]))
            out += text[i++];
        return i - start;
    };
    sign();
    qsizetype mantissaDigits = digits();
    if (i < n && text[i] == decimalSeparator) {
        out += QLatin1Char('.');
        ++i;
        mantissaDigits += digits();
    }
    if (mantissaDigits == 0)
        return {};
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        out += QLatin1Char('e');
        ++i;
        sign();
        if (digits() == 0)
            return {};
    }
    return i == n ? out : QString();
}

} // namespace

std::optional<double> parseNumber(const QString& text, QChar decimalSeparator)
{
    const QString cText = toCNotation(text.trimmed(), decimalSeparator);
    if (cText.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(cText, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QStringList badNumberMessages(const QString& untrimmedText)
{
    return {
        u"Ошибочная запись числа: "_s + untrimmedText,
        u" В десятичной записи числа используйте \".\" или \",\" взависимости от настройки вашей "
        u"Операционной Системы! "_s,
        u" Разделитель (допустим \",\") можно указать в Пуск/Настройка/Панель управления/Язык и "
        u"стандарты/Числа/Разделитель целой и дробной части числа! "_s,
    };
}

QString decimalComma(double value)
{
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    if (point >= 0)
        text[point] = QLatin1Char(',');
    return text;
}

QString encodeNumberText(const QString& boxText, QChar decimalSeparator)
{
    const QString mark = numberTextMark.toString();
    QString text = replaceAll(boxText, u","_s, mark);
    text = replaceAll(text, u"."_s, mark);
    return replaceAll(text, QString(decimalSeparator), mark);
}

QString decodeNumberText(const QString& fileText, QChar decimalSeparator)
{
    return replaceAll(fileText, numberTextMark.toString(), QString(decimalSeparator));
}

QString replaceAll(const QString& text, const QString& oldText, const QString& newText)
{
    if (oldText.isEmpty() || oldText == newText)
        return text;
    QString result = text;
    result.replace(oldText, newText, Qt::CaseSensitive);
    const QString upper = oldText.toUpper();
    if (upper != oldText && upper != newText)
        result.replace(upper, newText, Qt::CaseSensitive);
    return result;
}

namespace {

bool isTokenDelimiter(QChar c)
{
    static const QString delimiters = u",;.()-+/\\="_s;
    return delimiters.contains(c);
}

} // namespace

QStringList splitTokens(const QString& text)
{
    QStringList tokens;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (true) {
        while (i < n && (isTokenDelimiter(text[i]) || text[i].isSpace()))
            ++i;
        const qsizetype start = i;
        while (i < n && !isTokenDelimiter(text[i]))
            ++i;
        const QString token = text.mid(start, i - start).trimmed();
        if (token.isEmpty())
            return tokens;
        tokens.append(token);
    }
}

double roundHalfEven(double value)
{
    const double nearest = std::round(value) + 0.0; // halves away from zero; no "-0"
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0) + 0.0;
    return nearest;
}

QString integerText(double value)
{
    return QString::number(roundHalfEven(value), 'f', 0);
}

QString generalText4(double value, QChar decimalSeparator)
{
    QString text = QString::number(value + 0.0, 'g', 4); // + 0.0: no "-0"
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QString fixedText(double value, int decimals, QChar decimalSeparator)
{
    return QString::number(value, 'f', decimals).replace(QLatin1Char('.'), decimalSeparator);
}
