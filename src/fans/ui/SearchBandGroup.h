#pragma once

#include <QString>

class QGroupBox;
class QSlider;

// The group of a selection window's search band: a slider from 5 to 30 % in steps of 5 with ticks on both
// sides (TrackBar1) starting at `start`, its value shown in the disabled box Input_DIAP followed by "%",
// and the scale "5%", the start and "30%" under their ticks. `slider` receives the slider.
QGroupBox* searchBandGroup(const QString& title, const QString& toolTip, int start, QSlider** slider);
