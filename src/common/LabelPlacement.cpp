#include "common/LabelPlacement.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <limits>

namespace charts {

namespace {

constexpr double gap = 2; // pixels between a box and its anchor, and between boxes

// The box of `size` on the given side of `anchor`.
QRectF boxAt(const QPointF& anchor, const QSizeF& size, Qt::Alignment side)
{
    double x = anchor.x() - size.width() / 2;
    if (side & Qt::AlignRight)
        x = anchor.x() - size.width() - gap;
    else if (side & Qt::AlignLeft)
        x = anchor.x() + gap;
    double y = anchor.y() - size.height() / 2;
    if (side & Qt::AlignBottom)
        y = anchor.y() - size.height() - gap;
    else if (side & Qt::AlignTop)
        y = anchor.y() + gap;
    return QRectF(QPointF(x, y), size);
}

// The box moved the least to lie inside the plot.
QRectF inside(QRectF box, const QRectF& plot)
{
    box.moveLeft(std::max(plot.left(), std::min(box.left(), plot.right() - box.width())));
    box.moveTop(std::max(plot.top(), std::min(box.top(), plot.bottom() - box.height())));
    return box;
}

double overlap(const QRectF& box, const std::vector<QRectF>& taken)
{
    double area = 0;
    const QRectF grown = box.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2);
    for (const QRectF& other : taken) {
        const QRectF common = grown.intersected(other.adjusted(-gap / 2, -gap / 2, gap / 2, gap / 2));
        if (!common.isEmpty())
            area += common.width() * common.height();
    }
    return area;
}

// The places a label tries, best first: its preferred side, the other sides around the anchor, then
// steps up and down from the preferred place, nearer steps first.
std::vector<QRectF> candidates(const ChartLabel& label, const QRectF& plot)
{
    std::vector<QRectF> boxes;
    const Qt::Alignment horizontal = label.preferred & (Qt::AlignLeft | Qt::AlignRight | Qt::AlignHCenter);
    const Qt::Alignment vertical = label.preferred & (Qt::AlignTop | Qt::AlignBottom | Qt::AlignVCenter);
    const Qt::Alignment otherHorizontal = horizontal & Qt::AlignRight ? Qt::AlignLeft : Qt::AlignRight;
    const Qt::Alignment otherVertical = vertical & Qt::AlignTop ? Qt::AlignBottom : Qt::AlignTop;
    for (Qt::Alignment side : {label.preferred, horizontal | otherVertical, otherHorizontal | vertical,
             otherHorizontal | otherVertical, Qt::AlignHCenter | Qt::AlignBottom,
             Qt::AlignHCenter | Qt::AlignTop, Qt::AlignRight | Qt::AlignVCenter,
             Qt::AlignLeft | Qt::AlignVCenter})
        boxes.push_back(inside(boxAt(label.anchor, label.size, side), plot));
    const double step = label.size.height() + gap;
    const int steps = step > 0 ? int(std::ceil(plot.height() / step)) : 0;
    for (Qt::Alignment side : {label.preferred, otherHorizontal | vertical}) {
        const QRectF home = boxAt(label.anchor, label.size, side);
        for (int i = 1; i <= steps; ++i) {
            for (double direction : {-1.0, 1.0})
                boxes.push_back(inside(home.translated(0, direction * i * step), plot));
        }
    }
    // Where a column beside the anchor is full (many curves ending at one flow), the next columns over.
    const double across = label.size.width() + gap;
    const QRectF home = boxAt(label.anchor, label.size, label.preferred);
    for (int column = 1; column <= 3; ++column) {
        for (double side : {-1.0, 1.0}) {
            const QRectF beside = home.translated(side * column * across, 0);
            boxes.push_back(inside(beside, plot));
            for (int i = 1; i <= steps; ++i) {
                for (double direction : {-1.0, 1.0})
                    boxes.push_back(inside(beside.translated(0, direction * i * step), plot));
            }
        }
    }
    return boxes;
}

} // namespace

std::vector<QRectF> placeLabels(const std::vector<ChartLabel>& labels, const QRectF& plot,
    const std::vector<QRectF>& keepClear, const std::vector<QRectF>& markers)
{
    std::vector<QRectF> taken = keepClear;
    std::vector<QRectF> placed;
    placed.reserve(labels.size());
    for (const ChartLabel& label : labels) {
        // A label stands beside the point it names and may touch its marker, never another point's.
        std::vector<QRectF> others;
        for (const QRectF& marker : markers) {
            if (QLineF(marker.center(), label.anchor).length() > 0.5)
                others.push_back(marker);
        }
        QRectF best;
        double least = std::numeric_limits<double>::infinity();
        for (const QRectF& box : candidates(label, plot)) {
            const double covered = overlap(box, taken) + overlap(box, others);
            if (covered < least) {
                least = covered;
                best = box;
            }
            if (covered == 0)
                break;
        }
        placed.push_back(best);
        taken.push_back(best);
    }
    return placed;
}

} // namespace charts
