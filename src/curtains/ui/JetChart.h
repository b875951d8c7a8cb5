#pragma once

#include "curtains/JetTrajectory.h"

class QCustomPlot;

// The chart "Траектория струи": the jet axis, both boundaries and the temperature points with their marks,
// on the screen and on the printed form alike.
namespace curtains {

// Sets up an empty chart with its series and axis titles.
void prepareJetChart(QCustomPlot* chart);
// Replaces the chart's contents by the path; the bottom axis is titled for a side or a top curtain.
void drawJet(QCustomPlot* chart, const JetPath& path, bool side);

} // namespace curtains
