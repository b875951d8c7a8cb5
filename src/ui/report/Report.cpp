#include "ui/report/Report.h"

#include "printing/ReportEngine.h"
#include "ui/Messages.h"
#include "ui/ScreenFit.h"
#include "ui/report/ReportOutput.h"
#include "ui/report/ReportPreviewWindow.h"

#include <QApplication>
#include <QEventLoop>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>

namespace report {

Report::~Report()
{
    delete m_preview.data();
}

void Report::previewModal()
{
    if (m_preview) {
        ui::bringToFront(m_preview);
        return;
    }
    QCoreApplication::processEvents();
    auto* window = new ReportPreviewWindow(prepareReport(*this));
    m_preview = window;
    QEventLoop loop;
    QObject::connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    window->show();
    window->raise();
    window->activateWindow();
    loop.exec();
}

bool Report::print()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        ui::showMessage(
            QStringLiteral("Не найден ни один принтер. Печать невозможна!"), ui::MessageKind::Warning);
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    return printTo(printer);
}

bool Report::printTo(QPrinter& printer, bool showProgress)
{
    const PreparedReport pages = prepareReport(*this);
    setUpPrinter(printer, pages);
    std::unique_ptr<QProgressDialog> progress;
    if (showProgress) {
        progress = std::make_unique<QProgressDialog>(
            QStringLiteral("Печать: ") + pages.title, QStringLiteral("Отмена"), 0, pages.pageCount());
        progress->setWindowTitle(QStringLiteral("ЗФН: Печать"));
        progress->setWindowModality(Qt::ApplicationModal);
        progress->setMinimumDuration(0);
    }
    QString error;
    const bool printed = printPages(
        pages, printer,
        [&progress](int page, int count) {
            if (!progress)
                return true;
            progress->setLabelText(QStringLiteral("Печать страницы %1 из %2").arg(page + 1).arg(count));
            progress->setValue(page);
            QCoreApplication::processEvents();
            return !progress->wasCanceled();
        },
        &error);
    progress.reset();
    if (!printed)
        ui::showMessage(error, ui::MessageKind::Error);
    return printed;
}

} // namespace report
