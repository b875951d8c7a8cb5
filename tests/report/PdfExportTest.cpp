#include "printing/PdfExport.h"
#include "common/SystemReason.h"
#include "printing/ReportEngine.h"
#include "printing/ReportFile.h"
#include "printing/ReportUnits.h"
#include "report/ReportFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/PdfText.h"
#include "ui/report/ReportOutput.h"
#include "ui/report/TQRep_Manual.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>

using namespace report;

namespace {

void expectDescriptionPages(const QString& path, int pages)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5) == "%PDF-");
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE(page);
        const QString text = pdfPageText(path, page);
        EXPECT_TRUE(text.contains(QStringLiteral("Производственное объединение ЗЕФИРОН")))
            << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("Описание серии ВКРФ")));
        EXPECT_TRUE(text.contains(QStringLiteral("Стр. %1").arg(page)));
    }
    EXPECT_TRUE(pdfPageText(path, 1).contains(QStringLiteral("Строка 001 описания серии")));
    EXPECT_TRUE(pdfPageText(path, pages).contains(QStringLiteral("Строка 150 описания серии")));
}

class PdfExport : public ::testing::Test {
protected:
    void SetUp() override
    {
        body = numberedDescription(150);
        host.setReportTitle(QStringLiteral("Описание серии ВКРФ"));
        host.loadPicture(descriptionPicture());
        host.report().elementAs<ReportRichText>(QStringLiteral("QRRichText"))->setDocument(body.get());
    }
    std::unique_ptr<QTextDocument> body;
    TQRep_Manual host;
    QTemporaryDir dir;
};

} // namespace

TEST_F(PdfExport, WritesThePagesWithTheirRussianText)
{
    const PreparedReport prepared = prepareReport(host.report());
    const QString path = dir.filePath(QStringLiteral("описание.pdf"));
    QString error;
    ASSERT_TRUE(exportPdf(prepared, path, &error)) << error.toStdString();
    expectDescriptionPages(path, prepared.pageCount());
}

TEST_F(PdfExport, PrintingGoesThroughTheSamePages)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = dir.filePath(QStringLiteral("печать.pdf"));
    printer.setOutputFileName(path);
    ASSERT_TRUE(host.report().printTo(printer, false));
    expectDescriptionPages(path, prepareReport(host.report()).pageCount());
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
}

// A form laid out on Letter goes on the system's A4 whole: scaled to the paper's width, never cut at its
// right edge, its text still text in embedded fonts.
TEST_F(PdfExport, LetterFormIsFittedToA4)
{
    const QSizeF letter(215.9, 279.4);
    const QSizeF a4(210.0, 297.0);
    EXPECT_EQ(fittedPage(letter, a4), QRectF(0, 0, 210.0, 279.4 * 210.0 / 215.9));
    EXPECT_EQ(fittedPage(a4, a4), QRectF(QPointF(0, 0), a4));
    EXPECT_EQ(fittedPage(QSizeF(105.0, 148.5), a4), QRectF(52.5, 0, 105.0, 148.5));

    PreparedReport form;
    form.title = QStringLiteral("Бланк");
    form.paperMm = letter;
    QPicture page;
    {
        QPainter painter(&page);
        painter.setFont(reportFont(10));
        // The last word ends 3 mm before the right edge of Letter, beyond the width of A4.
        painter.drawText(QRectF(0, toUnits(100), toUnits(letter.width() - 3), toUnits(10)),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Правый край"));
    }
    form.pages = {page};
    const QString path = dir.filePath(QStringLiteral("бланк.pdf"));
    QString error;
    ASSERT_EQ(systemPaper().id(), QPageSize::A4);
    ASSERT_TRUE(exportPdf(form, path, &error)) << error.toStdString();

    QProcess info;
    info.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    ASSERT_TRUE(info.waitForFinished(30000));
    const QString boxes = QString::fromUtf8(info.readAllStandardOutput());
    EXPECT_TRUE(boxes.contains(QStringLiteral("<page width=\"595.000000\" height=\"842.000000\">")))
        << boxes.toStdString();
    const QRegularExpression word(QStringLiteral("xMax=\"([0-9.]+)\"[^>]*>край<"));
    const QRegularExpressionMatch found = word.match(boxes);
    ASSERT_TRUE(found.hasMatch()) << boxes.toStdString();
    EXPECT_LT(found.captured(1).toDouble(), 595.0);
    EXPECT_GT(found.captured(1).toDouble(), 560.0);
    for (const QString& font : pdfFonts(path))
        EXPECT_TRUE(font.endsWith(QStringLiteral(" yes"))) << font.toStdString();
}

TEST_F(PdfExport, AFileThatCannotBeWrittenIsReported)
{
    const PreparedReport prepared = prepareReport(host.report());
    QString error;
    EXPECT_FALSE(exportPdf(prepared, dir.filePath(QStringLiteral("нет/такой/папки.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("PDF")));
}

// On a full disk a saved report and a PDF export fail with the program's message and the system's
// reason, and the user's previous file stays byte for byte as it was.
TEST_F(PdfExport, AFullDiskKeepsTheOldFileAndSaysWhy)
{
    const PreparedReport prepared = prepareReport(host.report());
    const struct {
        const char* file;
        std::function<bool(const QString&, QString*)> save;
        QString message;
    } saves[] = {
        {"old.QRP",
            [&](const QString& path, QString* error) { return saveReportFile(path, prepared, error); },
            QStringLiteral("Не удается сохранить печатную форму в файл:")},
        {"old.pdf", [&](const QString& path, QString* error) { return exportPdf(prepared, path, error); },
            QStringLiteral("Не удается записать файл PDF:")},
    };
    for (const auto& s : saves) {
        SCOPED_TRACE(s.file);
        const QString path = dir.filePath(QString::fromLatin1(s.file));
        ASSERT_TRUE(s.save(path, nullptr));
        const qint64 full = QFileInfo(path).size();
        // The disk full at once, and full part way through the file.
        for (const rlim_t limit : {rlim_t(100), rlim_t(full / 2)}) {
            SCOPED_TRACE(limit);
            const QByteArray old(5000, 'o');
            {
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                file.write(old);
            }
            const auto error = saveWithFileSizeLimit(limit, [&] {
                QString message;
                return s.save(path, &message) ? QString() : message;
            });
            ASSERT_TRUE(error.has_value());
            EXPECT_TRUE(error->startsWith(s.message)) << error->toStdString();
            EXPECT_TRUE(error->endsWith(u'\n' + systemReason(EFBIG))) << error->toStdString();
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.readAll(), old);
        }
    }
}
