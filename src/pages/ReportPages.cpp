#include "pages/ReportPages.h"

#include "common/AtomicSave.h"
#include "pages/Jpeg.h"
#include "printing/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextFrame>
#include <algorithm>

// Resources of a static library are registered by hand, once, at global scope.
static void initPagesResources()
{
    Q_INIT_RESOURCE(pages);
}

namespace pages {

namespace {

// The text frame on the page in twips (1/1440 inch), as the report pages have always had it.
constexpr int frameLeft = 230;
constexpr int frameTop = 1440;
constexpr int frameRight = 10570;
constexpr int frameBottom = 13680;

constexpr double twipsToPagePixels(int twips)
{
    return twips * double(pagePixelsPerInch) / 1440.0;
}

// The document is laid out in its own pixels (96 per inch, as the RTF reader gives lengths) and drawn
// scaled up to the page's 150 per inch.
constexpr double documentPixelsPerInch = 96.0;
constexpr double scale = pagePixelsPerInch / documentPixelsPerInch;

QSizeF framePageSize()
{
    return {(frameRight - frameLeft) / 15.0, (frameBottom - frameTop) / 15.0};
}

// Grey pages: the report is black text on white, and the header reads as well in grey. Quality 14 in
// the compact form keeps the letters as crisp to the eye at 100 % as colour pages at quality 75, at under
// a third of their size (docs/PERFORMANCE.md).
constexpr JpegStyle pageJpegStyle {true, 14, true};

} // namespace

QImage headerPicture()
{
    static const QImage picture = [] {
        initPagesResources();
        QFile file(QStringLiteral(":/pages/PRNHDR"));
        if (!file.open(QIODevice::ReadOnly))
            return QImage();
        return decodeJpeg(file.readAll());
    }();
    return picture;
}

namespace {

// The rows of the header picture down to its last drawn one, in the pixel format of the pages: the rest
// of the picture is white paper, so pages and PDFs draw and hold only this strip.
const QImage& headerStrip()
{
    static const QImage strip = [] {
        const QImage picture = headerPicture().convertToFormat(QImage::Format_RGB32);
        int rows = picture.height();
        const auto white = [&picture](int y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            return std::all_of(line, line + picture.width(), [](QRgb pixel) { return qGray(pixel) >= 250; });
        };
        while (rows > 0 && white(rows - 1))
            --rows;
        return picture.copy(0, 0, picture.width(), rows);
    }();
    return strip;
}

} // namespace

ReportPages::ReportPages(const QByteArray& rtf)
    : m_document(std::make_unique<QTextDocument>())
{
    rtf::readRtf(rtf, *m_document);
    m_document->setDocumentMargin(0);
    m_document->setPageSize(framePageSize());
}

ReportPages::~ReportPages() = default;

int ReportPages::pageCount() const
{
    return std::max(1, m_document->documentLayout()->pageCount());
}

void ReportPages::paint(QPainter& painter, int number) const
{
    painter.save();
    painter.drawImage(0, 0, headerStrip());

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qRound(12.0 * pagePixelsPerInch / 72.0));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QString label = QString::number(number);
    const QFontMetrics metrics(font, painter.device());
    const int x = (pageWidth - metrics.horizontalAdvance(label)) / 2;
    const int top = pageHeight - metrics.height() - qRound(pagePixelsPerInch * 0.16);
    painter.drawText(x, top + metrics.ascent(), label);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QSizeF size = framePageSize();
    painter.translate(twipsToPagePixels(frameLeft), twipsToPagePixels(frameTop));
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), size));
    const double offset = (number - 1) * size.height();
    painter.translate(0, -offset);
    m_document->drawContents(&painter, QRectF(QPointF(0, offset), size));
    painter.restore();
}

QImage ReportPages::page(int number) const
{
    QImage image(pageWidth, pageHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, number);
    }
    const int dotsPerMeter = qRound(pagePixelsPerInch / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

QString pageImagePath(const QString& chosenFileName, int number)
{
    const QFileInfo info(chosenFileName);
    const QString suffix = info.suffix();
    QString base = chosenFileName;
    if (!suffix.isEmpty())
        base.chop(suffix.size() + 1);
    return base + QLatin1Char('_') + QString::number(number) + QStringLiteral(".jpg");
}

QByteArray pageImageFile(const ReportPages& report, int number)
{
    return encodeJpeg(report.page(number), pageJpegStyle);
}

std::optional<QList<QByteArray>> pageImageFiles(const QByteArray& rtf)
{
    const ReportPages report(rtf);
    QList<QByteArray> files;
    for (int n = 1; n <= report.pageCount(); ++n) {
        files << pageImageFile(report, n);
        if (files.last().isEmpty())
            return std::nullopt;
    }
    return files;
}

PagesWritten savePageImages(const QList<QByteArray>& files, const QString& chosenFileName)
{
    PagesWritten written;
    const auto fail = [&](const QString& path, const QString& why) {
        written.error = QStringLiteral("Не удалось записать файл ") + path + QLatin1Char('\n') + why;
        return written;
    };
    // The pages replace the previous ones together or not at all.
    FileSetSave pages;
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = pageImagePath(chosenFileName, int(i + 1));
        if (const SaveOutcome saved = pages.add(path, files[i]); !saved)
            return fail(path, saved.error());
    }
    if (const SaveOutcome saved = pages.commit(); !saved)
        return fail(chosenFileName, saved.error());
    // Pages of an earlier, longer report would read as the end of this one.
    for (int n = int(files.size()) + 1; QFile::exists(pageImagePath(chosenFileName, n)); ++n) {
        QFile stale(pageImagePath(chosenFileName, n));
        if (!stale.remove()) {
            written.error = QStringLiteral("Не удалось удалить страницу прежнего отчета ") + stale.fileName()
                + QLatin1Char('\n') + stale.errorString();
            return written;
        }
    }
    written.pages = int(files.size());
    return written;
}

PagesWritten writePageImages(const QByteArray& rtf, const QString& chosenFileName)
{
    const std::optional<QList<QByteArray>> files = pageImageFiles(rtf);
    if (!files) {
        PagesWritten written;
        written.error = QStringLiteral("Не удалось записать файл ") + pageImagePath(chosenFileName, 1)
            + QStringLiteral("\nJPEG");
        return written;
    }
    return savePageImages(*files, chosenFileName);
}

ReportPdf reportPdf(const QByteArray& rtf)
{
    const ReportPages report(rtf);
    QBuffer device;
    device.open(QIODevice::WriteOnly);
    {
        // The pages keep their 7.5 × 10 inch size, centred on A4; text stays text, in embedded fonts.
        QPdfWriter pdf(&device);
        pdf.setResolution(pagePixelsPerInch);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        pdf.setTitle(QStringLiteral("Отчет"));
        pdf.setCreator(QStringLiteral("ЗФН-подбор"));
        const QSizeF paper = QPageSize(QPageSize::A4).sizePoints() * (pagePixelsPerInch / 72.0);
        QPainter painter(&pdf);
        painter.translate((paper.width() - pageWidth) / 2.0, (paper.height() - pageHeight) / 2.0);
        for (int n = 1; n <= report.pageCount(); ++n) {
            if (n > 1)
                pdf.newPage();
            report.paint(painter, n);
        }
    }
    return {device.data(), report.pageCount()};
}

PagesWritten savePdf(const ReportPdf& pdf, const QString& fileName)
{
    PagesWritten written;
    if (const SaveOutcome saved = saveFileAtomically(fileName, pdf.bytes); !saved) {
        written.error
            = QStringLiteral("Не удалось записать файл ") + fileName + QLatin1Char('\n') + saved.error();
        return written;
    }
    written.pages = pdf.pages;
    return written;
}

PagesWritten writePagesPdf(const QByteArray& rtf, const QString& fileName)
{
    return savePdf(reportPdf(rtf), fileName);
}

} // namespace pages
