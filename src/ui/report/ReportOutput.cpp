#include "ui/report/ReportOutput.h"

#include "printing/PdfExport.h"

#include <QPainter>
#include <QPrinter>

namespace report {

namespace {
void setError(QString* error, const QString& text)
{
    if (error != nullptr)
        *error = text;
}
} // namespace

void setUpPrinter(QPrinter& printer, const PreparedReport& report)
{
    printer.setDocName(report.title);
    printer.setPageSize(systemPaper());
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
}

bool printPages(const PreparedReport& report, QPrinter& printer, const PageProgress& progress, QString* error)
{
    QPainter painter;
    if (report.pages.isEmpty() || !painter.begin(&printer)) {
        setError(error, QStringLiteral("Не удается начать печать на принтере!"));
        return false;
    }
    // The form keeps its proportions on the printer's paper, fitted as in its PDF.
    const QRectF paperPixels = printer.paperRect(QPrinter::DevicePixel);
    const QSizeF paperMm = printer.paperRect(QPrinter::Millimeter).size();
    const QRectF fitted = fittedPage(report.paperMm, paperMm);
    const double pixelsPerMm = paperPixels.width() / paperMm.width();
    const QRectF target(fitted.topLeft() * pixelsPerMm, fitted.size() * pixelsPerMm);
    for (int i = 0; i < report.pageCount(); ++i) {
        if (progress && !progress(i, report.pageCount())) {
            printer.abort();
            setError(error, QStringLiteral("Печать прервана."));
            return false;
        }
        if (i > 0)
            printer.newPage();
        paintPage(painter, report, i, target);
    }
    return painter.end();
}

} // namespace report
