#pragma once

#include "pages/ReportPages.h"

#include <QString>

// "Отчет в файл": the format and the file a chosen name and filter stand for.
namespace pages {

enum class ReportFormat { PageImages, Pdf };

// The filters offered, in this order: JPEG page images, then a PDF document.
QString reportFileFilter();

struct ReportFile {
    ReportFormat format = ReportFormat::PageImages;
    QString path; // the PDF's path, or the name the page images are named from
};

// A name ending in ".pdf" or ".jpg" is written in that format whatever the filter; any other name in the
// chosen filter's format, a PDF with ".pdf" added to the name as typed.
ReportFile reportFile(const QString& chosenName, int chosenFilter);

// Writes the report in the file's format.
PagesWritten writeReportFile(const QByteArray& rtf, const ReportFile& file);

} // namespace pages
