#pragma once

#include "printing/PreparedReport.h"

#include <QPageSize>

namespace report {

// The report's paper as a page size for printers and PDF writers.
QPageSize paperPageSize(const PreparedReport& report);

// Writes the pages as a PDF document, atomically. Returns false with `error` set.
bool exportPdf(const PreparedReport& report, const QString& path, QString* error = nullptr);

} // namespace report
