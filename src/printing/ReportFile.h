#pragma once

#include "printing/PreparedReport.h"

#include <QByteArray>
#include <optional>

// Saved prepared reports (*.QRP): the pages exactly as they were prepared, so that a report can be looked at
// and printed again later without the data it came from.
//
// Layout of a file, all integers big-endian:
//   8 bytes   magic "ZFN-QRP" + 0x1A
//   uint16    format version (1)
//   QString   report title (QDataStream, Qt 6.0 encoding)
//   double×2  paper width and height, mm
//   uint32    page count, then per page: uint32 length + the page's QPicture data
//   uint32    CRC-32 of every byte before it
// A file that is cut short, altered or not of this kind is refused as a whole.
namespace report {

QByteArray encodeReport(const PreparedReport& report);
// Returns the report, or nothing with `error` set to the reason in the user's words.
std::optional<PreparedReport> decodeReport(const QByteArray& bytes, QString* error = nullptr);

// Writes atomically: a failed save leaves an existing file as it was. Returns false with `error` set.
bool saveReportFile(const QString& path, const PreparedReport& report, QString* error = nullptr);
std::optional<PreparedReport> loadReportFile(const QString& path, QString* error = nullptr);

quint32 crc32(const QByteArray& bytes);

} // namespace report
