#include "ui/report/AxisTitles.h"

#include "ui/report/CustomPlot.h"

#include <QFontMetricsF>
#include <algorithm>

namespace report {

namespace {
constexpr const char* kDesignSize = "designLabelPointSize";
}

bool fitAxisTitles(QCustomPlot& plot)
{
    QCPAxisRect* rect = plot.axisRect();
    if (!rect)
        return false;
    bool changed = false;
    for (QCPAxis* axis : rect->axes()) {
        QFont font = axis->labelFont();
        if (!axis->property(kDesignSize).isValid())
            axis->setProperty(kDesignSize, font.pointSizeF());
        const double before = font.pointSizeF();
        font.setPointSizeF(axis->property(kDesignSize).toDouble());
        const double length = axis->orientation() == Qt::Vertical ? rect->height() : rect->width();
        if (axis->visible() && !axis->label().isEmpty()) {
            // Glyph widths do not scale exactly with the size, so the size is stepped down until it fits.
            while (length > 0 && font.pointSizeF() > 4
                && QFontMetricsF(font).horizontalAdvance(axis->label()) > length)
                font.setPointSizeF(std::max(4.0, font.pointSizeF() * 0.95));
        }
        if (font.pointSizeF() != before) {
            axis->setLabelFont(font);
            changed = true;
        }
    }
    return changed;
}

void keepAxisTitlesWhole(QCustomPlot& plot)
{
    QObject::connect(&plot, &QCustomPlot::afterLayout, &plot, [&plot] {
        // The new size takes effect in the next drawing; the one after it changes nothing more.
        if (fitAxisTitles(plot))
            plot.replot(QCustomPlot::rpQueuedReplot);
    });
}

} // namespace report
