#include "ui/report/ReportPreviewWindow.h"

#include "printing/PdfExport.h"
#include "printing/ReportFile.h"
#include "ui/FileDialogs.h"
#include "ui/Messages.h"
#include "ui/ScreenFit.h"
#include "ui/report/ReportOutput.h"
#include "ui/report/ReportPageWidget.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace report {

namespace {
constexpr double kNaturalPixelsPerMm = 96.0 / 25.4;
constexpr double kMinZoom = 0.2;
constexpr double kMaxZoom = 6.0;
constexpr double kZoomStep = 1.25;

QString reportFilter()
{
    return QStringLiteral("Печатные формы (*.QRP)|*.QRP");
}
} // namespace

ReportPreviewWindow::ReportPreviewWindow(PreparedReport report, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_report(std::move(report))
{
    setObjectName(QStringLiteral("ReportPreviewWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* toolbar = new QToolBar(this);
    toolbar->setObjectName(QStringLiteral("ToolBarPreview"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle* st = style();

    QAction* print
        = addCommand(QStringLiteral("actionPrint"), QStringLiteral("Печать..."), QKeySequence::Print);
    print->setIcon(st->standardIcon(QStyle::SP_FileIcon));
    connect(print, &QAction::triggered, this, &ReportPreviewWindow::printWithDialog);
    QAction* save = addCommand(
        QStringLiteral("actionSaveReport"), QStringLiteral("Сохранить отчет..."), QKeySequence::Save);
    save->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    connect(save, &QAction::triggered, this, &ReportPreviewWindow::askSaveReport);
    QAction* load = addCommand(
        QStringLiteral("actionLoadReport"), QStringLiteral("Загрузить отчет..."), QKeySequence::Open);
    load->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    connect(load, &QAction::triggered, this, &ReportPreviewWindow::askLoadReport);
    QAction* pdf
        = addCommand(QStringLiteral("actionExportPdf"), QStringLiteral("Экспорт в PDF..."), QKeySequence());
    connect(pdf, &QAction::triggered, this, &ReportPreviewWindow::askExportPdf);
    toolbar->addActions({print, save, load, pdf});
    toolbar->addSeparator();

    QAction* zoomInAction
        = addCommand(QStringLiteral("actionZoomIn"), QStringLiteral("Крупнее +"), QKeySequence::ZoomIn);
    connect(zoomInAction, &QAction::triggered, this, &ReportPreviewWindow::zoomIn);
    QAction* zoomOutAction
        = addCommand(QStringLiteral("actionZoomOut"), QStringLiteral("Мельче −"), QKeySequence::ZoomOut);
    connect(zoomOutAction, &QAction::triggered, this, &ReportPreviewWindow::zoomOut);
    QAction* width
        = addCommand(QStringLiteral("actionFitWidth"), QStringLiteral("По ширине"), QKeySequence());
    connect(width, &QAction::triggered, this, &ReportPreviewWindow::fitWidth);
    QAction* whole = addCommand(QStringLiteral("actionFitPage"), QStringLiteral("Целиком"), QKeySequence());
    connect(whole, &QAction::triggered, this, &ReportPreviewWindow::fitPage);
    toolbar->addActions({zoomInAction, zoomOutAction, width, whole});
    toolbar->addSeparator();

    m_first = addCommand(
        QStringLiteral("actionFirstPage"), QStringLiteral("Первая"), QKeySequence(Qt::CTRL | Qt::Key_Home));
    m_first->setIcon(st->standardIcon(QStyle::SP_MediaSkipBackward));
    connect(m_first, &QAction::triggered, this, [this] { setCurrentPage(0); });
    m_previous = addCommand(
        QStringLiteral("actionPreviousPage"), QStringLiteral("Назад"), QKeySequence(Qt::Key_PageUp));
    m_previous->setIcon(st->standardIcon(QStyle::SP_ArrowBack));
    connect(m_previous, &QAction::triggered, this, [this] { setCurrentPage(currentPage() - 1); });
    m_pageLabel = new QLabel(this);
    m_pageLabel->setObjectName(QStringLiteral("LabelPage"));
    m_pageLabel->setContentsMargins(8, 0, 8, 0);
    m_next = addCommand(
        QStringLiteral("actionNextPage"), QStringLiteral("Вперед"), QKeySequence(Qt::Key_PageDown));
    m_next->setIcon(st->standardIcon(QStyle::SP_ArrowForward));
    connect(m_next, &QAction::triggered, this, [this] { setCurrentPage(currentPage() + 1); });
    m_last = addCommand(
        QStringLiteral("actionLastPage"), QStringLiteral("Последняя"), QKeySequence(Qt::CTRL | Qt::Key_End));
    m_last->setIcon(st->standardIcon(QStyle::SP_MediaSkipForward));
    connect(m_last, &QAction::triggered, this, [this] { setCurrentPage(m_report.pageCount() - 1); });
    toolbar->addActions({m_first, m_previous});
    toolbar->addWidget(m_pageLabel);
    toolbar->addActions({m_next, m_last});
    toolbar->addSeparator();
    QAction* close
        = addCommand(QStringLiteral("actionClose"), QStringLiteral("Закрыть"), QKeySequence(Qt::Key_Escape));
    close->setIcon(st->standardIcon(QStyle::SP_DialogCloseButton));
    connect(close, &QAction::triggered, this, &QWidget::close);
    toolbar->addAction(close);
    // Page arrows show their icons only; their names stay as tool tips.
    for (QAction* arrow : {m_first, m_previous, m_next, m_last}) {
        if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(arrow)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }

    m_page = new ReportPageWidget;
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ScrollPage"));
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_scroll->setWidgetResizable(true);
    m_scroll->setWidget(m_page);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(m_scroll, 1);

    showReport();
    ui::fitCentredOnScreen(this, QSize(1180, 980));
}

ReportPreviewWindow::~ReportPreviewWindow() = default;

QAction* ReportPreviewWindow::addCommand(
    const QString& name, const QString& text, const QKeySequence& shortcut)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    return action;
}

void ReportPreviewWindow::showReport()
{
    setWindowTitle(m_report.title);
    m_page->setReport(&m_report);
    updateControls();
}

int ReportPreviewWindow::currentPage() const
{
    return m_page->page();
}

void ReportPreviewWindow::setCurrentPage(int index)
{
    if (m_report.pages.isEmpty())
        return;
    m_page->setPage(std::clamp(index, 0, m_report.pageCount() - 1));
    m_scroll->verticalScrollBar()->setValue(0);
    updateControls();
}

double ReportPreviewWindow::zoom() const
{
    return m_page->pixelsPerMm() / kNaturalPixelsPerMm;
}

void ReportPreviewWindow::setZoom(double zoom)
{
    m_page->setPixelsPerMm(std::clamp(zoom, kMinZoom, kMaxZoom) * kNaturalPixelsPerMm);
}

void ReportPreviewWindow::zoomIn()
{
    setZoom(zoom() * kZoomStep);
}

void ReportPreviewWindow::zoomOut()
{
    setZoom(zoom() / kZoomStep);
}

void ReportPreviewWindow::fitWidth()
{
    const double available = m_scroll->viewport()->width() - 40.0;
    setZoom(available / (m_report.paperMm.width() * kNaturalPixelsPerMm));
}

void ReportPreviewWindow::fitPage()
{
    const QSizeF available = QSizeF(m_scroll->viewport()->size()) - QSizeF(40.0, 40.0);
    const QSizeF paper = m_report.paperMm * kNaturalPixelsPerMm;
    setZoom(std::min(available.width() / paper.width(), available.height() / paper.height()));
}

void ReportPreviewWindow::updateControls()
{
    const int count = m_report.pageCount();
    const int page = currentPage();
    m_pageLabel->setText(QStringLiteral("Стр. %1 из %2").arg(count == 0 ? 0 : page + 1).arg(count));
    m_first->setEnabled(page > 0);
    m_previous->setEnabled(page > 0);
    m_next->setEnabled(page + 1 < count);
    m_last->setEnabled(page + 1 < count);
}

bool ReportPreviewWindow::saveReport(const QString& path)
{
    QString error;
    if (!saveReportFile(path, m_report, &error)) {
        ui::showMessage(error, ui::MessageKind::Error);
        return false;
    }
    return true;
}

bool ReportPreviewWindow::loadReport(const QString& path)
{
    QString error;
    std::optional<PreparedReport> loaded = loadReportFile(path, &error);
    if (!loaded) {
        ui::showMessage(error + QStringLiteral("\n") + QFileInfo(path).fileName(), ui::MessageKind::Error);
        return false;
    }
    m_report = std::move(*loaded);
    showReport();
    return true;
}

bool ReportPreviewWindow::exportToPdf(const QString& path)
{
    QString error;
    if (!exportPdf(m_report, path, &error)) {
        ui::showMessage(error, ui::MessageKind::Error);
        return false;
    }
    return true;
}

void ReportPreviewWindow::askSaveReport()
{
    const QString path = ui::getSaveFileName(
        this, QStringLiteral("Сохранить печатную форму"), reportFilter(), QStringLiteral("QRP"));
    if (!path.isEmpty())
        saveReport(path);
}

void ReportPreviewWindow::askLoadReport()
{
    const QString path = ui::getOpenFileName(
        this, QStringLiteral("Загрузить печатную форму"), reportFilter(), QStringLiteral("QRP"));
    if (!path.isEmpty())
        loadReport(path);
}

void ReportPreviewWindow::askExportPdf()
{
    const QString path = ui::getSaveFileName(this, QStringLiteral("Экспорт в PDF"),
        QStringLiteral("Документ PDF (*.pdf)|*.pdf"), QStringLiteral("pdf"));
    if (!path.isEmpty())
        exportToPdf(path);
}

void ReportPreviewWindow::printWithDialog()
{
    QPrinter printer(QPrinter::HighResolution);
    setUpPrinter(printer, m_report);
    printer.setFromTo(1, m_report.pageCount());
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, m_report.pageCount());
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Print the range the user chose.
    PreparedReport chosen = m_report;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const int from = printer.fromPage() - 1;
        const int to = std::min(printer.toPage(), m_report.pageCount());
        chosen.pages = m_report.pages.mid(from, std::max(0, to - from));
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        chosen.pages = {m_report.pages.at(currentPage())};
    }
    QString error;
    if (!printPages(chosen, printer, {}, &error))
        ui::showMessage(error, ui::MessageKind::Error);
}

} // namespace report
