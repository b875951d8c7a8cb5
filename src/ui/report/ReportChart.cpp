#include "ui/report/ReportChart.h"

#include "printing/ReportUnits.h"
#include "ui/report/CustomPlot.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <algorithm>

namespace report {

namespace {
// Screen pixels per millimetre at which charts lay out their fonts and ticks before being scaled to paper.
constexpr double kChartPixelsPerMm = 96.0 / 25.4;

// An axis title longer than its axis would be cut at the chart's edge: its font is made smaller until it
// fits, starting each time from the size the chart was designed with.
void fitAxisTitles(QCustomPlot& plot, int widthPx, int heightPx)
{
    const char* designSize = "designLabelPointSize";
    QCPAxisRect* rect = plot.axisRect();
    if (!rect)
        return;
    for (QCPAxis* axis : rect->axes()) {
        if (!axis->property(designSize).isValid())
            axis->setProperty(designSize, axis->labelFont().pointSizeF());
        QFont font = axis->labelFont();
        font.setPointSizeF(axis->property(designSize).toDouble());
        axis->setLabelFont(font);
    }
    QPicture scratch;
    {
        QCPPainter scratchPainter(&scratch);
        plot.toPainter(&scratchPainter, widthPx, heightPx);
    }
    for (QCPAxis* axis : rect->axes()) {
        if (!axis->visible() || axis->label().isEmpty())
            continue;
        const double length = axis->orientation() == Qt::Vertical ? rect->height() : rect->width();
        QFont font = axis->labelFont();
        // Glyph widths do not scale exactly with the size, so the size is stepped down until it fits.
        while (length > 0 && font.pointSizeF() > 4
            && QFontMetricsF(font).horizontalAdvance(axis->label()) > length)
            font.setPointSizeF(std::max(4.0, font.pointSizeF() * 0.95));
        axis->setLabelFont(font);
    }
}
} // namespace

ReportChart::ReportChart(const QRectF& geometryMm, QCustomPlot* plot)
    : ReportElement(geometryMm)
    , m_plot(plot)
{
}

QCustomPlot* ReportChart::plot() const
{
    return m_plot.data();
}

void ReportChart::paint(QPainter& painter, const PaintContext&) const
{
    if (!m_plot)
        return;
    const QRectF frame = toUnits(geometryMm());
    const int widthPx = std::max(1, qRound(geometryMm().width() * kChartPixelsPerMm));
    const int heightPx = std::max(1, qRound(geometryMm().height() * kChartPixelsPerMm));
    // The chart is laid out at screen size, so its fonts and ticks keep their proportions on paper.
    fitAxisTitles(*m_plot, widthPx, heightPx);
    QPicture chart;
    {
        QCPPainter chartPainter(&chart);
        chartPainter.setMode(QCPPainter::pmVectorized);
        m_plot->toPainter(&chartPainter, widthPx, heightPx);
    }
    painter.save();
    painter.translate(frame.topLeft());
    painter.scale(frame.width() / widthPx, frame.height() / heightPx);
    painter.setClipRect(QRectF(0, 0, widthPx, heightPx));
    painter.drawPicture(0, 0, chart);
    painter.restore();
}
} // namespace report
