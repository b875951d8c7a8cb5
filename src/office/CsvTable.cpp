#include "office/CsvTable.h"

namespace office {

CsvText readCsv(const QByteArray& utf8)
{
    QString text = QString::fromUtf8(utf8);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    CsvText csv;
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
        } else if (c == u',') {
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
