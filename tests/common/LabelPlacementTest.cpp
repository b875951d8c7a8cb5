#include "common/LabelPlacement.h"

#include <gtest/gtest.h>

using charts::ChartLabel;
using charts::placeLabels;

namespace {

const QRectF plot(50, 20, 600, 400); // left axis at x = 50, top at y = 20
const QSizeF label(120, 16);

bool inPlot(const QRectF& box)
{
    return box.left() >= plot.left() && box.right() <= plot.right() && box.top() >= plot.top()
        && box.bottom() <= plot.bottom();
}

std::vector<ChartLabel> sameAnchor(int count, QPointF anchor, Qt::Alignment side)
{
    return std::vector<ChartLabel>(size_t(count), ChartLabel {anchor, label, side});
}

} // namespace

TEST(LabelPlacement, LabelsStayInsideThePlotAndApart)
{
    const Qt::Alignment leftAbove = Qt::AlignRight | Qt::AlignBottom;
    const Qt::Alignment rightAbove = Qt::AlignLeft | Qt::AlignBottom;
    const struct {
        const char* what;
        std::vector<ChartLabel> labels;
        std::vector<QRectF> keepClear;
    } cases[] = {
        {"curve ends on the right edge, all at one point", sameAnchor(12, {650, 200}, leftAbove), {}},
        {"more curve ends at one point than one column holds", sameAnchor(30, {650, 200}, leftAbove), {}},
        {"curve ends close together at the right edge",
            {{{648, 200}, label, leftAbove}, {{650, 205}, label, leftAbove}, {{646, 210}, label, leftAbove},
                {{650, 198}, label, leftAbove}},
            {}},
        {"labels beside the left axis", sameAnchor(3, {52, 100}, leftAbove), {}},
        {"label to the right of a point at the right edge", sameAnchor(1, {645, 300}, rightAbove), {}},
        {"label above a point at the top edge", sameAnchor(1, {300, 22}, Qt::AlignHCenter | Qt::AlignBottom),
            {}},
        {"two marks of one working point", sameAnchor(2, {400, 150}, Qt::AlignHCenter | Qt::AlignBottom), {}},
        {"a box kept clear, such as the chosen fan's mark", sameAnchor(2, {300, 300}, leftAbove),
            {QRectF(170, 270, 150, 40)}},
        {"labels on the bottom axis", sameAnchor(4, {300, 419}, Qt::AlignLeft | Qt::AlignTop), {}},
    };
    for (const auto& c : cases) {
        const std::vector<QRectF> boxes = placeLabels(c.labels, plot, c.keepClear);
        ASSERT_EQ(boxes.size(), c.labels.size()) << c.what;
        for (size_t i = 0; i < boxes.size(); ++i) {
            EXPECT_TRUE(inPlot(boxes[i])) << c.what << ": label " << i;
            EXPECT_EQ(boxes[i].size(), label) << c.what;
            for (size_t j = 0; j < i; ++j)
                EXPECT_FALSE(boxes[i].intersects(boxes[j])) << c.what << ": labels " << j << " and " << i;
            for (const QRectF& clear : c.keepClear)
                EXPECT_FALSE(boxes[i].intersects(clear)) << c.what << ": label " << i;
        }
    }
}

TEST(LabelPlacement, ALabelWithRoomStandsOnItsPreferredSide)
{
    const struct {
        Qt::Alignment side;
        QPointF topLeft;
    } cases[] = {
        {Qt::AlignRight | Qt::AlignBottom, {300 - 120 - 2, 200 - 16 - 2}},
        {Qt::AlignLeft | Qt::AlignBottom, {302, 182}},
        {Qt::AlignLeft | Qt::AlignTop, {302, 202}},
        {Qt::AlignHCenter | Qt::AlignBottom, {240, 182}},
    };
    for (const auto& c : cases) {
        const auto boxes = placeLabels({{{300, 200}, label, c.side}}, plot);
        EXPECT_EQ(boxes.at(0).topLeft(), c.topLeft) << int(c.side);
    }
    // A second label near the first moves off, the first keeps its place: earlier labels choose first.
    const auto two = placeLabels({{{300, 200}, label, Qt::AlignRight | Qt::AlignBottom},
                                     {{300, 200}, label, Qt::AlignRight | Qt::AlignBottom}},
        plot);
    EXPECT_EQ(two[0].topLeft(), QPointF(178, 182));
    EXPECT_FALSE(two[0].intersects(two[1]));
    EXPECT_LT(std::abs(two[1].center().y() - 200), 3 * label.height()) << "it stays near its point";
}

// Two working points a few pixels apart, each with its marker and a mark above it: a mark may touch the
// marker of its own point, never the other point's.
TEST(LabelPlacement, MarksLeaveTheOtherPointsMarkerUncovered)
{
    const QSizeF mark(40, 16);
    const Qt::Alignment above = Qt::AlignHCenter | Qt::AlignBottom;
    const QPointF lower(300, 200);
    const QPointF upper(302, 190);
    auto markerAt = [](QPointF centre) { return QRectF(centre - QPointF(5, 5), QSizeF(10, 10)); };
    const std::vector<QRectF> markers {markerAt(lower), markerAt(upper)};
    const auto boxes = placeLabels({{lower, mark, above}, {upper, mark, above}}, plot, {}, markers);
    EXPECT_FALSE(boxes[0].intersects(markers[1]));
    EXPECT_FALSE(boxes[1].intersects(markers[0]));
    EXPECT_FALSE(boxes[0].intersects(boxes[1]));
    EXPECT_EQ(boxes[1].topLeft(), QPointF(302 - 20, 190 - 16 - 2)) << "the upper mark keeps its place";
    // Alone, a mark stands on its preferred side although that touches its own marker.
    const auto alone = placeLabels({{lower, mark, above}}, plot, {}, {markerAt(lower)});
    EXPECT_EQ(alone[0].topLeft(), QPointF(300 - 20, 200 - 16 - 2));
}

TEST(LabelPlacement, WithoutRoomTheBoxesStillStayInside)
{
    // More labels than the plot holds: every box inside, the first ones apart.
    const QRectF small(0, 0, 200, 60);
    const auto boxes = placeLabels(sameAnchor(10, {190, 30}, Qt::AlignRight | Qt::AlignBottom), small);
    for (const QRectF& box : boxes)
        EXPECT_TRUE(small.contains(box)) << box.x() << "," << box.y();
    EXPECT_FALSE(boxes[0].intersects(boxes[1]));
    // A box larger than the plot stands at its top left.
    const auto large = placeLabels({{{100, 30}, QSizeF(400, 100), Qt::AlignLeft}}, small);
    EXPECT_EQ(large[0].topLeft(), QPointF(0, 0));
}
