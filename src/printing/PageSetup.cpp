#include "printing/PageSetup.h"

#include <algorithm>

namespace report {

PageSetup PageSetup::a4(const QMarginsF& marginsMm)
{
    return PageSetup {{210.0, 297.0}, marginsMm, 1, 0.0};
}

PageSetup PageSetup::letter(const QMarginsF& marginsMm)
{
    return PageSetup {{215.9, 279.4}, marginsMm, 1, 0.0};
}

double PageSetup::columnWidthMm() const
{
    const int count = std::max(1, columns);
    return (printableWidthMm() - columnSpacingMm * (count - 1)) / count;
}

double PageSetup::columnLeftMm(int column) const
{
    return marginsMm.left() + column * (columnWidthMm() + columnSpacingMm);
}

} // namespace report
