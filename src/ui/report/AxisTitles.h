#pragma once

class QCustomPlot;

namespace report {

// An axis title longer than its axis would be cut at the chart's edge. These make its font smaller until
// it fits the axis as the chart is laid out now, starting each time from the size the chart was designed
// with, so a title grows back when its axis becomes long enough. True when a title's size changed.
bool fitAxisTitles(QCustomPlot& plot);

// Keeps the axis titles of a chart on screen whole whenever it is laid out anew (resized, retitled).
void keepAxisTitlesWhole(QCustomPlot& plot);

} // namespace report
