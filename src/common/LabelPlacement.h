#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

// Where the text labels of a chart go: each label near the point it names, inside the plot and clear of
// the others. Pure geometry in pixels, so that every chart places its labels the same way.
namespace charts {

struct ChartLabel {
    QPointF anchor; // the point the label names
    QSizeF size; // the label's box
    // The side of the anchor the box prefers, as a text item's alignment reads: Qt::AlignRight puts the
    // anchor on the box's right edge (the box to its left), Qt::AlignBottom the box above the anchor.
    Qt::Alignment preferred = Qt::AlignLeft | Qt::AlignBottom;
};

// The boxes of the labels, in their order. Earlier labels choose first, so the label that matters most
// (the chosen fan's) goes first. Each box lies inside `plot` (a box larger than the plot at its top left)
// and touches no box placed before it, none of `keepClear` and none of the `markers` drawn at points other
// than its own anchor as long as there is room; where there is none, it takes the place near its anchor
// that covers the least of the others.
std::vector<QRectF> placeLabels(const std::vector<ChartLabel>& labels, const QRectF& plot,
    const std::vector<QRectF>& keepClear = {}, const std::vector<QRectF>& markers = {});

} // namespace charts
