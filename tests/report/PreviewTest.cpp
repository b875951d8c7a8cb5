#include "common/CatalogueStore.h"
#include "common/ProgramFolder.h"
#include "printing/ReportFile.h"
#include "report/ReportFixtures.h"
#include "ui/FileDialogs.h"
#include "ui/report/PrintedForm.h"
#include "ui/report/ReportPreviewWindow.h"
#include "ui/report/TQROpenForm.h"
#include "ui/report/TQRep_FORM.h"
#include "ui/report/TQRep_Manual.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace report;

namespace {

// Runs `whileOpen` once the preview of `report` is on screen (from inside its nested event loop), then
// closes the preview. Gives up (failing the test) when no preview opens.
void whilePreviewOpen(Report& report, std::function<void(ReportPreviewWindow&)> whileOpen)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, waited, &report, whileOpen] {
        ReportPreviewWindow* preview = report.openPreview();
        if (preview == nullptr && ++*waited < 500)
            return;
        timer->stop();
        timer->deleteLater();
        ASSERT_NE(preview, nullptr);
        whileOpen(*preview);
        preview->close();
    });
    timer->start();
}

} // namespace

TEST(Preview, ModalPreviewWaitsInANestedLoopAndASecondRequestReturnsAtOnce)
{
    TQRep_Manual host;
    const auto body = numberedDescription(150);
    QTemporaryDir dir;
    bool sawPreview = false;
    bool secondReturned = false;
    QWidget other;
    other.show();
    whilePreviewOpen(host.report(), [&](ReportPreviewWindow& preview) {
        sawPreview = true;
        EXPECT_TRUE(preview.isVisible());
        EXPECT_FALSE(preview.isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr); // the other windows stay usable
        EXPECT_TRUE(host.isVisible());
        EXPECT_EQ(preview.windowTitle(), QStringLiteral("Описание серий вентиляторов"));
        EXPECT_GE(preview.report().pageCount(), 3);
        host.report().previewModal();
        secondReturned = true;
        EXPECT_EQ(host.report().openPreview(), &preview);
        // Page navigation stays within the report.
        preview.setCurrentPage(99);
        EXPECT_EQ(preview.currentPage(), preview.report().pageCount() - 1);
        preview.findChild<QAction*>(QStringLiteral("actionFirstPage"))->trigger();
        EXPECT_EQ(preview.currentPage(), 0);
        preview.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
        QTest::keyClick(&preview, Qt::Key_PageDown);
        EXPECT_EQ(preview.findChild<QLabel*>(QStringLiteral("LabelPage"))->text(),
            QStringLiteral("Стр. 2 из %1").arg(preview.report().pageCount()));
        const double zoom = preview.zoom();
        preview.zoomIn();
        EXPECT_GT(preview.zoom(), zoom);
        // Export through the file dialog: the name gets its extension.
        ui::setFileDialogAnswer(
            [&](const ui::FileDialogRequest&) { return dir.filePath(QStringLiteral("описание")); });
        preview.findChild<QAction*>(QStringLiteral("actionExportPdf"))->trigger();
        ui::setFileDialogAnswer({});
        QFile pdf(dir.filePath(QStringLiteral("описание.pdf")));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_TRUE(pdf.read(5) == "%PDF-");
    });
    host.printDescription(QStringLiteral("Описание серии ВКРФ"), *body, descriptionPicture());
    EXPECT_TRUE(sawPreview);
    EXPECT_TRUE(secondReturned);
    EXPECT_FALSE(host.report().isPreviewOpen());
    EXPECT_FALSE(host.isVisible());
    EXPECT_EQ(host.reportTitle(), QStringLiteral("Описание серии ВКРФ"));
}

TEST(Preview, PrintedFormPatternOpensTheTableOnlyWhilePrinting)
{
    QSqlQuery query(store::workingDatabase());
    ASSERT_TRUE(query.exec(QStringLiteral("DROP TABLE IF EXISTS ventutil")));
    ASSERT_TRUE(
        query.exec(QStringLiteral("CREATE TABLE ventutil (Num INTEGER PRIMARY KEY, Naimenovanie TEXT)")));
    ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO ventutil VALUES (1, 'ВРАН9 5,0')")));
    TQRep_FORM host;
    bool filled = false;
    whilePreviewOpen(host.report(), [&](ReportPreviewWindow& preview) {
        EXPECT_TRUE(host.isVisible());
        EXPECT_TRUE(host.table()->isOpen());
        EXPECT_TRUE(recordPage(preview.report().pages[0]).hasText(QStringLiteral("ВРАН9 5,0")));
        EXPECT_TRUE(recordPage(preview.report().pages[0])
                        .hasText(QStringLiteral("Характеристики вентиляторов: ВРАН9")));
    });
    EXPECT_TRUE(runPrintedForm(host, [&] {
        filled = true;
        host.titleLabel()->setText(QStringLiteral("Характеристики вентиляторов: ВРАН9"));
    }));
    EXPECT_TRUE(filled);
    EXPECT_FALSE(host.isVisible());
    EXPECT_FALSE(host.table()->isOpen());
}

TEST(Preview, SavedReportViewerLoadsAFileAndSetsTheFolderBack)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("saved.QRP"));
    TQROpenForm viewer;
    QString savedByDialog;
    ui::setFileDialogAnswer([&](const ui::FileDialogRequest& request) {
        EXPECT_EQ(request.defaultSuffix, QStringLiteral("QRP"));
        return saved;
    });
    whilePreviewOpen(viewer.report(), [&](ReportPreviewWindow& preview) {
        EXPECT_FALSE(viewer.isVisible());
        // The line is wrapped inside its 61.4 mm column.
        const RecordedPage start = recordPage(preview.report().pages[0]);
        EXPECT_TRUE(start.hasText(QStringLiteral("Загрузите")));
        EXPECT_TRUE(start.hasText(QStringLiteral("QRP")));
        for (const RecordedPage::Text& text : start.texts)
            EXPECT_LT(text.at.x(), units(12.7 + 61.4)) << text.text.toStdString();
        preview.findChild<QAction*>(QStringLiteral("actionSaveReport"))->trigger();
        EXPECT_TRUE(QFile::exists(saved));
        QDir::setCurrent(dir.path()); // a file dialog may leave the folder elsewhere
        preview.findChild<QAction*>(QStringLiteral("actionLoadReport"))->trigger();
        EXPECT_EQ(preview.report().pageCount(), 1);
    });
    viewer.showSavedReports();
    ui::setFileDialogAnswer({});
    EXPECT_EQ(QDir::current(), QDir(programFolder()));
}

// The preview opens in the middle of the screen and fits it, however small the screen; asking again for
// the saved-report viewer while it is open brings the open one to the front.
TEST(Preview, OpensCentredAndFittingTheScreenAndASecondRequestBringsItToTheFront)
{
    TQROpenForm viewer;
    QWidget other;
    bool sawPreview = false;
    whilePreviewOpen(viewer.report(), [&](ReportPreviewWindow& preview) {
        sawPreview = true;
        const QRect area = preview.screen()->availableGeometry();
        EXPECT_TRUE(area.contains(preview.frameGeometry()));
        // Centred to within the window border, which no window manager tells before the window is shown.
        const QSize border = preview.frameGeometry().size() - preview.size();
        EXPECT_LE((preview.frameGeometry().center() - area.center()).manhattanLength(),
            border.width() + border.height() + 2);

        other.show();
        other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        viewer.showSavedReports();
        EXPECT_EQ(viewer.report().openPreview(), &preview);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&preview));
    });
    viewer.showSavedReports();
    EXPECT_TRUE(sawPreview);
}
