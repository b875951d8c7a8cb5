#pragma once

#include "printing/ReportElements.h"

#include <QPointer>

class QCustomPlot;

namespace report {

// A chart drawn from a live QCustomPlot at the moment the page is prepared, scaled into its frame.
class ReportChart : public ReportElement {
public:
    ReportChart(const QRectF& geometryMm, QCustomPlot* plot);
    QCustomPlot* plot() const;
    void paint(QPainter& painter, const PaintContext& context) const override;

private:
    QPointer<QCustomPlot> m_plot;
};
} // namespace report
