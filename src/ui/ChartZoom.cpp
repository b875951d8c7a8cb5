#include "ui/ChartZoom.h"

#include "ui/report/CustomPlot.h"

#include <memory>

namespace ui {

void enableRectangleZoom(QCustomPlot* chart, std::function<void()> showWhole)
{
    chart->setSelectionRectMode(QCP::srmCustom);
    auto pressed = std::make_shared<QPointF>();
    QObject::connect(chart, &QCustomPlot::mousePress, chart,
        [pressed](QMouseEvent* event) { *pressed = event->position(); });
    QObject::connect(chart->selectionRect(), &QCPSelectionRect::accepted, chart,
        [chart, pressed, showWhole = std::move(showWhole)](const QRect& rect, QMouseEvent* event) {
            if (event->position().x() < pressed->x()) {
                showWhole();
                return;
            }
            if (rect.width() < 4 || rect.height() < 4)
                return;
            for (QCPAxis* axis : chart->axisRect()->axes()) {
                if (!axis->visible())
                    continue;
                const bool horizontal = axis->orientation() == Qt::Horizontal;
                axis->setRange(axis->pixelToCoord(horizontal ? rect.left() : rect.bottom()),
                    axis->pixelToCoord(horizontal ? rect.right() : rect.top()));
            }
            chart->replot();
        });
}

} // namespace ui
