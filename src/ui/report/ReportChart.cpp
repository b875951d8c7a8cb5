#include "ui/report/ReportChart.h"

#include "printing/ReportUnits.h"
#include "ui/report/AxisTitles.h"
#include "ui/report/CustomPlot.h"

#include <QPainter>
#include <QPicture>
#include <algorithm>

namespace report {

namespace {
// Screen pixels per millimetre at which charts lay out their fonts and ticks before being scaled to paper.
constexpr double kChartPixelsPerMm = 96.0 / 25.4;

// The chart laid out at the size it is drawn on paper, so that its axis titles are fitted to that layout.
void fitAxisTitlesOnPaper(QCustomPlot& plot, int widthPx, int heightPx)
{
    QPicture scratch;
    {
        QCPPainter scratchPainter(&scratch);
        plot.toPainter(&scratchPainter, widthPx, heightPx);
    }
    fitAxisTitles(plot);
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
    fitAxisTitlesOnPaper(*m_plot, widthPx, heightPx);
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
