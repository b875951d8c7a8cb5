#include "printing/ReportUnits.h"

#include <cmath>

namespace report {

QFont reportFont(double pointSize, bool bold, const QString& family)
{
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(toUnits(pointSize * 25.4 / 72.0)))));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

} // namespace report
