#pragma once

#include "printing/PreparedReport.h"

#include <QPageSize>
#include <QRectF>

namespace report {

// The report's paper as a page size.
QPageSize paperPageSize(const PreparedReport& report);

// The paper forms are printed and exported on: the one the system's measurement customs use, Letter
// where they are US, A4 elsewhere.
QPageSize systemPaper();

// Where a page of `formMm` goes on `paperMm`: scaled down as a whole where it is wider or taller than the
// paper (never cut, never stretched), centred across, at the top.
QRectF fittedPage(const QSizeF& formMm, const QSizeF& paperMm);

// Writes the pages as a PDF document, atomically. Returns false with `error` set.
bool exportPdf(const PreparedReport& report, const QString& path, QString* error = nullptr);

} // namespace report
