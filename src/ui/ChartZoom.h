#pragma once

#include <functional>

class QCustomPlot;

namespace ui {

// The program's rectangle zoom of a chart: dragging a rectangle from its upper left corner zooms into
// it (every visible axis); dragging towards the left calls `showWhole` to return to the whole picture.
void enableRectangleZoom(QCustomPlot* chart, std::function<void()> showWhole);

} // namespace ui
