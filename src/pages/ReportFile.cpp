#include "pages/ReportFile.h"

#include <QFileInfo>

namespace pages {

namespace {
constexpr int pdfFilter = 1;
}

QString reportFileFilter()
{
    return QStringLiteral("Рисунок JPEG (*.jpg)|*.jpg|Документ PDF (*.pdf)|*.pdf");
}

ReportFile reportFile(const QString& chosenName, int chosenFilter)
{
    const QString suffix = QFileInfo(chosenName).suffix();
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return {ReportFormat::Pdf, chosenName};
    if (suffix.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0 || chosenFilter != pdfFilter)
        return {ReportFormat::PageImages, chosenName};
    return {ReportFormat::Pdf, chosenName + QStringLiteral(".pdf")};
}

PagesWritten writeReportFile(const QByteArray& rtf, const ReportFile& file)
{
    return file.format == ReportFormat::Pdf ? writePagesPdf(rtf, file.path) : writePageImages(rtf, file.path);
}

} // namespace pages
