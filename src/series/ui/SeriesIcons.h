#pragma once

#include <QIcon>

// The small pictures of the series list: 0 round duct, 1 rectangular duct, 2 rectangular duct with
// square sizes, 3 roof fan, 4 pressurization fan.
QIcon seriesIcon(int icon);
