#include "printing/PdfExport.h"

#include "common/AtomicSave.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>

namespace report {

namespace {
constexpr int kPdfResolution = 1200;

void setError(QString* error, const QString& text)
{
    if (error != nullptr)
        *error = text;
}
} // namespace

QPageSize paperPageSize(const PreparedReport& report)
{
    return QPageSize(report.paperMm, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
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
        writer.setPageLayout(QPageLayout(paperPageSize(report), QPageLayout::Portrait, QMarginsF()));
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
