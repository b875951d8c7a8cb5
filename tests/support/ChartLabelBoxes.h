#pragma once

#include "ui/report/CustomPlot.h"

#include <QRectF>
#include <string>
#include <vector>

// Where a chart drew its text labels, in pixels, as the last replot placed them.
inline QRectF labelBox(const QCPItemText* mark)
{
    return QRectF(mark->topLeft->pixelPosition(), mark->bottomRight->pixelPosition()).normalized();
}

// The labels, of those given, that stick out of the plot or cover one another, as "i" or "i/j" (from 0).
inline std::vector<std::string> misplacedLabels(
    const QCustomPlot* chart, const std::vector<const QCPItemText*>& marks)
{
    std::vector<std::string> faults;
    const QRectF plot = chart->axisRect()->rect();
    for (size_t i = 0; i < marks.size(); ++i) {
        const QRectF box = labelBox(marks[i]);
        if (!plot.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
            faults.push_back(std::to_string(i));
        for (size_t j = 0; j < i; ++j) {
            if (box.intersects(labelBox(marks[j])))
                faults.push_back(std::to_string(j) + "/" + std::to_string(i));
        }
    }
    return faults;
}
