#pragma once

#include "fanviews/FanCurveSet.h"

#include <QString>

namespace fanviews {

// The curves of a listed fan from the result table RAZMDIAP of the last selection run (general,
// smoke-exhaust or assembled-unit): the record whose Name equals the designation without regard to
// letter case (the whole value, not a prefix); flows from the fields "1".."20" up to the first empty one,
// pressures from "21".., powers from "41"... A designation the table does not hold gives an empty set.
// Throws CatalogueError on a store error or a curve field holding text that is not a number.
FanCurveSet loadCurveSet(const QString& designation);

} // namespace fanviews
