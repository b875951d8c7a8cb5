#include "pages/ReportPages.h"
#include "calcreport/CalculationReport.h"
#include "common/SystemReason.h"
#include "pages/Jpeg.h"
#include "pages/ReportFile.h"
#include "printing/RtfReader.h"
#include "support/FileSizeLimit.h"
#include "support/PdfText.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cerrno>
#include <gtest/gtest.h>

using namespace pages;
using namespace Qt::StringLiterals;

namespace {

// A report of input lines long enough for the given number of pages.
QByteArray reportOfPages(int pages)
{
    calcreport::CalculationReport report;
    report.clearInputPart(u"РАСЧЕТ СИСТЕМЫ ДЫМОУДАЛЕНИЯ"_s);
    for (int line = 0;; ++line) {
        report.writeInputLine({calcreport::givenKind(), u"Высота двери, H"_s, QString::number(line),
            calcreport::ReportUnit::Metre});
        if (line % 10 == 0 && ReportPages(report.refreshReport()).pageCount() == pages)
            return report.document();
    }
}

// Share of dark pixels in a rectangle of the image.
double darkShare(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    }
    return double(dark) / (area.width() * area.height());
}

// The number of colour components of a baseline or progressive JPEG (1 for grey pictures), 0 when there is
// no frame.
int jpegComponents(const QByteArray& jpeg)
{
    qsizetype frame = jpeg.indexOf("\xff\xc0");
    if (frame < 0)
        frame = jpeg.indexOf("\xff\xc2");
    return frame < 0 || frame + 9 >= jpeg.size() ? 0 : int(uchar(jpeg[frame + 9]));
}

// Mean difference of grey between the page as drawn and its picture read back.
double meanGreyError(const QImage& drawn, const QImage& back)
{
    if (back.size() != drawn.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x)
            sum += std::abs(qGray(drawn.pixel(x, y)) - qGray(back.pixel(x, y)));
    }
    return sum / (drawn.width() * drawn.height());
}

} // namespace

TEST(ReportPagesTest, PageFilesAreNamedFromTheChosenName)
{
    EXPECT_EQ(pageImagePath(u"/tmp/Отчет.txt"_s, 2), u"/tmp/Отчет_2.jpg");
    EXPECT_EQ(pageImagePath(u"report"_s, 1), u"report_1.jpg");
    EXPECT_EQ(pageImagePath(u"a.b/report.jpg"_s, 3), u"a.b/report_3.jpg");
    EXPECT_EQ(headerPicture().size(), QSize(1125, 954));
}

TEST(ReportPagesTest, ThreePageReportGivesThreeJpegPagesWithHeaderTextAndNumber)
{
    const QByteArray rtf = reportOfPages(3);
    QTemporaryDir dir;
    const QString chosen = dir.filePath(u"base.txt"_s);
    QFile old(dir.filePath(u"base_2.jpg"_s));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    const PagesWritten written = writePageImages(rtf, chosen);
    ASSERT_FALSE(written.error);
    EXPECT_EQ(written.pages, 3);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files, QDir::Name),
        QStringList({u"base_1.jpg"_s, u"base_2.jpg"_s, u"base_3.jpg"_s}));
    for (int n = 1; n <= 3; ++n) {
        EXPECT_EQ(jpegComponents(fileBytes(pageImagePath(chosen, n))), 1) << "grey picture, page " << n;
        const QImage page = decodeJpeg(fileBytes(pageImagePath(chosen, n)));
        ASSERT_EQ(page.size(), QSize(pageWidth, pageHeight)) << n;
        EXPECT_GT(darkShare(page, QRect(40, 20, 110, 100)), 0.1) << "emblem of the header, page " << n;
        EXPECT_GT(darkShare(page, QRect(150, 150, 900, 1200)), 0.001) << "text, page " << n;
        EXPECT_GT(darkShare(page, QRect(532, 1430, 60, 40)), 0.01) << "page number, page " << n;
        EXPECT_EQ(darkShare(page, QRect(0, 1430, 450, 40)), 0) << "nothing beside the number, page " << n;
    }
}

// Against each page written as a colour picture at quality 75: the page file takes at most a third of its
// size (the former grey pages at quality 40 took two thirds), its letters keep their edges (a coarser
// quality smears them to four times the difference and more) and the paper stays pure white.
TEST(ReportPagesTest, PagePicturesAreSmallAndKeepTheTextSharp)
{
    for (const QString& report : {u"smoke/fixtures/corridor.rtf"_s, u"pressurization/fixtures/zones.rtf"_s}) {
        const ReportPages pages(fileBytes(testSourcePath(report)));
        ASSERT_GE(pages.pageCount(), 2) << report.toStdString();
        for (int n = 1; n <= pages.pageCount(); ++n) {
            SCOPED_TRACE(report.toStdString() + " page " + std::to_string(n));
            const QImage drawn = pages.page(n);
            const QByteArray colour = encodeJpeg(drawn, {false, 75});
            const QByteArray file = pageImageFile(pages, n);
            const QImage back = decodeJpeg(file);
            EXPECT_EQ(jpegComponents(file), 1);
            EXPECT_LE(file.size() * 3, colour.size()) << "a third of the colour picture at most";
            EXPECT_LE(meanGreyError(drawn, back), 3.5 * meanGreyError(drawn, decodeJpeg(colour)));
            EXPECT_EQ(qGray(back.pixel(10, pageHeight - 10)), 255) << "paper";
        }
    }
}

TEST(ReportPagesTest, PdfHoldsTheSamePages)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"report.pdf"_s);
    const PagesWritten written = writePagesPdf(reportOfPages(2), path);
    ASSERT_FALSE(written.error);
    EXPECT_EQ(written.pages, 2);
    const QByteArray pdf = fileBytes(path);
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page") - pdf.count("/Type /Pages"), 2);
}

// The PDF of the smoke-exhaust and of the pressurization report holds every line the report pane shows as
// text a reader finds (formulas with their Greek letters and indices included), in embedded fonts, on A4,
// at a few tens of kilobytes a page.
TEST(ReportPagesTest, ReportPdfHoldsEveryLineOfTheReportAsText)
{
    const QStringList reports {u"smoke/fixtures/corridor.rtf"_s, u"pressurization/fixtures/zones.rtf"_s};
    for (const QString& report : reports) {
        SCOPED_TRACE(report.toStdString());
        const QByteArray rtf = fileBytes(testSourcePath(report));
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Отчет.pdf"_s);
        const PagesWritten written = writePagesPdf(rtf, path);
        ASSERT_FALSE(written.error);
        EXPECT_GE(written.pages, 2);

        const QString text = lettersAndDigits(pdfText(path));
        QTextDocument shown;
        rtf::readRtf(rtf, shown);
        int lines = 0;
        for (QTextBlock block = shown.begin(); block.isValid(); block = block.next()) {
            const QString line = lettersAndDigits(block.text());
            if (line.isEmpty())
                continue;
            ++lines;
            EXPECT_TRUE(text.contains(line)) << block.text().toStdString();
        }
        EXPECT_GT(lines, 40);

        const QStringList fonts = pdfFonts(path);
        EXPECT_FALSE(fonts.isEmpty());
        for (const QString& font : fonts)
            EXPECT_TRUE(font.endsWith(u" yes"_s)) << font.toStdString();
        const QByteArray pdf = fileBytes(path);
        EXPECT_EQ(pdf.count("/MediaBox [0 0 595.000000 842.000000]"), written.pages);
        EXPECT_LT(pdf.size() / written.pages, 60 * 1024);
    }
}

// "Отчет в файл": a name with the extension of one of the formats is written in that format; any other
// name in the format of the filter chosen, a PDF getting its extension.
TEST(ReportPagesTest, ChosenFilterDecidesTheFormatOfANameWithoutItsExtension)
{
    struct Case {
        QString name;
        int filter;
        ReportFormat format;
        QString path;
    };
    const Case cases[] = {
        {u"/tmp/Отчет"_s, 1, ReportFormat::Pdf, u"/tmp/Отчет.pdf"_s},
        {u"/tmp/Отчет"_s, 0, ReportFormat::PageImages, u"/tmp/Отчет"_s},
        {u"/tmp/Отчет.txt"_s, 0, ReportFormat::PageImages, u"/tmp/Отчет.txt"_s},
        {u"/tmp/Корпус 2.1"_s, 1, ReportFormat::Pdf, u"/tmp/Корпус 2.1.pdf"_s},
        {u"/tmp/Отчет.PDF"_s, 0, ReportFormat::Pdf, u"/tmp/Отчет.PDF"_s},
        {u"/tmp/Отчет.jpg"_s, 1, ReportFormat::PageImages, u"/tmp/Отчет.jpg"_s},
    };
    for (const Case& c : cases) {
        const ReportFile file = reportFile(c.name, c.filter);
        EXPECT_EQ(file.format, c.format) << c.name.toStdString();
        EXPECT_EQ(file.path, c.path);
    }
    EXPECT_EQ(reportFileFilter(), u"Рисунок JPEG (*.jpg)|*.jpg|Документ PDF (*.pdf)|*.pdf");
}

TEST(ReportPagesTest, UnwritableFolderIsReported)
{
    const PagesWritten written = writePageImages(reportOfPages(1), u"/nonexistent-folder/report.txt"_s);
    ASSERT_TRUE(written.error);
    EXPECT_TRUE(written.error->contains(u"/nonexistent-folder/report_1.jpg"_s));
}

// A set of pages replaces the previous set as a whole: a page that cannot be written (here, on a disk
// with room for the smaller pages only) leaves every old page as it was, and a shorter report leaves
// no page of the longer one behind its last page.
TEST(ReportPagesTest, PagesReplaceTheOldSetAllOrNothing)
{
    const QByteArray threePages = reportOfPages(3);
    QTemporaryDir dir;
    const QString chosen = dir.filePath(u"base.txt"_s);
    ASSERT_FALSE(writePageImages(threePages, chosen).error);
    qint64 largest = 0;
    QByteArray old[3];
    for (int n = 1; n <= 3; ++n) {
        old[n - 1] = fileBytes(pageImagePath(chosen, n));
        largest = std::max(largest, qint64(old[n - 1].size()));
    }
    // Pages are drawn here: the child process that saves them must not draw (fonts after a fork).
    const auto files = pageImageFiles(threePages);
    ASSERT_TRUE(files);
    const auto error = saveWithFileSizeLimit(
        rlim_t(largest - 1), [&] { return savePageImages(*files, chosen).error.value_or(QString()); });
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->endsWith(systemReason(EFBIG))) << error->toStdString();
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(fileBytes(pageImagePath(chosen, n)), old[n - 1]) << "page " << n;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 3) << "nothing staged is left";

    const PagesWritten shorter = writePageImages(reportOfPages(1), chosen);
    ASSERT_FALSE(shorter.error);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {u"base_1.jpg"_s});
}

// The PDF is made whole before it replaces the old file: a disk that fills part way through keeps the
// old file and says why.
TEST(ReportPagesTest, PdfOnAFullDiskKeepsTheOldFile)
{
    const QByteArray rtf = reportOfPages(2);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"report.pdf"_s);
    ASSERT_FALSE(writePagesPdf(rtf, path).error);
    const QByteArray old = fileBytes(path);
    const ReportPdf pdf = reportPdf(rtf);
    const auto error = saveWithFileSizeLimit(
        rlim_t(old.size() / 2), [&] { return savePdf(pdf, path).error.value_or(QString()); });
    ASSERT_TRUE(error.has_value());
    EXPECT_TRUE(error->endsWith(systemReason(EFBIG))) << error->toStdString();
    EXPECT_EQ(fileBytes(path), old);
}
