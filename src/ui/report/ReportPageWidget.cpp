#include "ui/report/ReportPageWidget.h"

#include <QPainter>

namespace report {

namespace {
constexpr int kDeskMargin = 16;
}

ReportPageWidget::ReportPageWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ReportPage"));
    setAutoFillBackground(false);
}

void ReportPageWidget::setReport(const PreparedReport* report)
{
    m_report = report;
    m_page = 0;
    fitToSheet();
}

void ReportPageWidget::setPage(int index)
{
    m_page = index;
    update();
}

void ReportPageWidget::setPixelsPerMm(double pixelsPerMm)
{
    m_pixelsPerMm = pixelsPerMm;
    fitToSheet();
}

void ReportPageWidget::fitToSheet()
{
    // In a resizable scroll area the desk fills the view, and grows beyond it (scrolling) with the sheet.
    setMinimumSize(sizeHint());
    updateGeometry();
    if (parentWidget() == nullptr)
        adjustSize();
    update();
}

QSize ReportPageWidget::sizeHint() const
{
    const QRectF sheet = sheetRect();
    return {qCeil(sheet.width()) + 2 * kDeskMargin, qCeil(sheet.height()) + 2 * kDeskMargin};
}

QRectF ReportPageWidget::sheetRect() const
{
    const QSizeF paper = m_report != nullptr ? m_report->paperMm : QSizeF(210.0, 297.0);
    const QSizeF size = paper * m_pixelsPerMm;
    const double left = std::max<double>(kDeskMargin, (width() - size.width()) / 2);
    return {left, static_cast<double>(kDeskMargin), size.width(), size.height()};
}

void ReportPageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0x80, 0x80, 0x80));
    const QRectF sheet = sheetRect();
    painter.fillRect(sheet.translated(4, 4), QColor(0x40, 0x40, 0x40));
    painter.fillRect(sheet, Qt::white);
    if (m_report == nullptr)
        return;
    painter.setRenderHints(
        QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.setClipRect(sheet);
    paintPage(painter, *m_report, m_page, sheet);
}

} // namespace report
