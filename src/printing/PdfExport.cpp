#include "printing/PdfExport.h"

#include "common/AtomicSave.h"

#include <QDir>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

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

QPageSize systemPaper()
{
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                        : QPageSize::A4);
}

QRectF fittedPage(const QSizeF& formMm, const QSizeF& paperMm)
{
    if (formMm.isEmpty() || paperMm.isEmpty())
        return {};
    const double scale
        = std::min({1.0, paperMm.width() / formMm.width(), paperMm.height() / formMm.height()});
    const QSizeF size = formMm * scale;
    return {QPointF((paperMm.width() - size.width()) / 2.0, 0.0), size};
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
        const QPageSize paper = systemPaper();
        writer.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        const QRectF fitted = fittedPage(report.paperMm, paper.size(QPageSize::Millimeter));
        const double pixelsPerMm = kPdfResolution / 25.4;
        const QRectF target(fitted.topLeft() * pixelsPerMm, fitted.size() * pixelsPerMm);
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
