#pragma once

#include <QMarginsF>
#include <QSizeF>

namespace report {

// Paper, margins and columns of a report, all in millimetres. Pages are always portrait.
struct PageSetup {
    QSizeF paperMm {210.0, 297.0};
    QMarginsF marginsMm {12.7, 12.7, 12.7, 12.7}; // left, top, right, bottom
    int columns = 1;
    double columnSpacingMm = 0.0;

    static PageSetup a4(const QMarginsF& marginsMm);
    static PageSetup letter(const QMarginsF& marginsMm);

    double printableWidthMm() const { return paperMm.width() - marginsMm.left() - marginsMm.right(); }
    double printableTopMm() const { return marginsMm.top(); }
    double printableBottomMm() const { return paperMm.height() - marginsMm.bottom(); }
    // Width of one detail column; headers span the whole printable width.
    double columnWidthMm() const;
    double columnLeftMm(int column) const;
};

} // namespace report
