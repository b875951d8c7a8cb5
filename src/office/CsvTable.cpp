#include "office/CsvTable.h"

#include "common/Cp1251.h"

#include <QStringDecoder>

namespace office {

QString spreadsheetText(const QByteArray& bytes)
{
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    QByteArrayView body(bytes);
    if (body.startsWith(byteOrderMark))
        body = body.sliced(byteOrderMark.size());
    // Stateless: a sequence cut short at the end is an error too, not a character left pending.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    // Cyrillic in code page 1251 is almost never valid UTF-8: a capital letter (0xC0..0xDF) would have to be
    // followed by a byte from 0x80..0xBF, which is punctuation, "Ё" or "ё" there.
    return cp1251::decode(bytes);
}

QChar separatorOf(const QString& text)
{
    bool quoted = false;
    bool any = false;
    bool semicolon = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted; // a doubled quote turns it off and on again
        else if (quoted)
            continue;
        else if (c == u'\n' && any)
            break;
        else if (c == u',')
            return QLatin1Char(',');
        else if (c == u';')
            semicolon = true;
        if (c != u'\n' && c != u'\r')
            any = true;
    }
    return semicolon ? QLatin1Char(';') : QLatin1Char(',');
}

CsvText readCsv(const QByteArray& bytes)
{
    const QString text = spreadsheetText(bytes);
    CsvText csv;
    csv.separator = separatorOf(text);
    CsvRecord record;
    QString cell;
    bool quoted = false; // inside a quoted field
    bool any = false; // the record has a character other than a line break
    int line = 1;
    int quoteLine = 0;
    auto endRecord = [&] {
        record.cells << cell;
        cell.clear();
        if (any)
            csv.records.push_back(record);
        record = {};
        any = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!any && record.cells.isEmpty() && cell.isEmpty())
            record.line = line;
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                cell += c;
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                if (c == u'\n')
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        if (c == u'\n') {
            endRecord();
            ++line;
            continue;
        }
        any = true;
        if (c == u'"' && cell.isEmpty()) {
            quoted = true;
            quoteLine = line;
        } else if (c == csv.separator) {
            record.cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (quoted) {
        csv.error = QStringLiteral("строка %1: кавычка не закрыта").arg(quoteLine);
        return csv;
    }
    endRecord();
    return csv;
}

QString csvCell(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString escaped = text;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

} // namespace office
