#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Comma-separated text as spreadsheets write it: UTF-8 (a byte-order mark is skipped), fields in double
// quotes may hold commas, quotes (doubled) and line breaks; lines end in LF or CR LF; blank lines are
// skipped.
namespace office {

struct CsvRecord {
    int line = 0; // where the record starts, from 1
    QStringList cells;
};

struct CsvText {
    std::vector<CsvRecord> records;
    QString error; // a quote left open, with its line; the records before it are kept
};

CsvText readCsv(const QByteArray& utf8);

// A cell as written into such a file: quoted when it holds a comma, a quote or a line break.
QString csvCell(const QString& text);

} // namespace office
