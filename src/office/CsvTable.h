#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Separated text as spreadsheets write it: fields in double quotes may hold separators, quotes (doubled) and
// line breaks; lines end in LF or CR LF; blank lines are skipped. Besides UTF-8 with commas, what a
// spreadsheet program in the Russian locale saves by default is read: code page 1251, ";" between fields.
namespace office {

struct CsvRecord {
    int line = 0; // where the record starts, from 1
    QStringList cells;
};

struct CsvText {
    std::vector<CsvRecord> records;
    QChar separator = QLatin1Char(','); // ';' when the first line separates its fields so
    QString error; // a quote left open, with its line; the records before it are kept
};

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is skipped), otherwise code page 1251.
QString spreadsheetText(const QByteArray& bytes);

// The field separator the first non-blank line uses outside quotes: ';' when it has semicolons and no
// comma, otherwise ','.
QChar separatorOf(const QString& text);

CsvText readCsv(const QByteArray& bytes);

// A cell as written into a comma-separated file: quoted when it holds a comma, a quote or a line break.
QString csvCell(const QString& text);

} // namespace office
