#pragma once

#include <QIcon>

namespace fans {

// The small pictures of a series, the same in every list that shows series: the selection windows,
// the series group characteristics and the unit's fan selection.
// General series by fans::SeriesIcon: 0 round duct, 1 rectangular duct, 2 rectangular duct with square
// sizes, 3 roof fan, 4 pressurization fan; nothing for another number.
QIcon generalSeriesIcon(int icon);
// Smoke-exhaust series: 0 roof and wall fans, 1 radial and axial fans; nothing for another number.
QIcon smokeSeriesIcon(int icon);

} // namespace fans
