#include "ui/report/ReportOutput.h"

#include "common/AtomicSave.h"

#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace report {

namespace {
constexpr int kPdfResolution = 1200;

QPageSize pageSizeOf(const PreparedReport& report)
{
    return QPageSize(report.paperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
}

void setError(QString* error, const QString& text)
{
    if (error != nullptr)
        *error = text;
}
} // namespace

void setUpPrinter(QPrinter& printer, const PreparedReport& report)
{
    printer.setDocName(report.title);
    printer.setPageSize(pageSizeOf(report));
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

bool exportPdf(const PreparedReport& report, const QString& path, QString* error)
{
    const QString failure
        = QStringLiteral("Не удается записать файл PDF:\n") + QDir::toNativeSeparators(path);
    if (report.pages.isEmpty()) {
        setError(error, failure);
        return false;
    }
    const SaveOutcome outcome = saveFileAtomically(path, [&report](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setTitle(report.title);
        writer.setCreator(QStringLiteral("ЗФН-подбор"));
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(QPageLayout(pageSizeOf(report), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const QRectF target(0, 0, report.paperMm.width() / 25.4 * kPdfResolution,
            report.paperMm.height() / 25.4 * kPdfResolution);
        for (int i = 0; i < report.pageCount(); ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, report, i, target);
        }
        return painter.end();
    });
    if (!outcome) {
        setError(error, failure + QStringLiteral("\n") + outcome.error());
        return false;
    }
    return true;
}

} // namespace report
