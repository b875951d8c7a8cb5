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
    printer.setPageSize(paperPageSize(report));
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
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF target(0, 0, paper.width(), paper.height());
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
