#include "ui/ChartLabels.h"

#include "common/LabelPlacement.h"
#include "ui/report/CustomPlot.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace ui {

namespace {

// The box a text item draws around its text, in pixels.
QSizeF boxSize(const QCPItemText* mark)
{
    const QRectF text
        = QFontMetricsF(mark->font())
              .boundingRect(QRectF(), int(Qt::TextDontClip) | int(mark->textAlignment()), mark->text());
    const QMargins padding = mark->padding();
    const double pen = mark->pen().style() == Qt::NoPen ? 0 : mark->pen().widthF();
    // Whole pixels and one more: the chart rounds the box it draws, and a thick frame overhangs it.
    return QSizeF(std::ceil(text.width() + padding.left() + padding.right() + pen) + 1,
        std::ceil(text.height() + padding.top() + padding.bottom() + pen) + 1);
}

} // namespace

ChartLabels::ChartLabels(QCustomPlot* chart)
    : QObject(chart)
    , m_chart(chart)
{
    connect(chart, &QCustomPlot::afterLayout, this, &ChartLabels::place);
}

void ChartLabels::setPoint(QCPItemText* mark, QPointF point, Qt::Alignment preferred)
{
    for (Entry& entry : m_entries) {
        if (entry.mark == mark) {
            entry.point = point;
            entry.preferred = preferred;
            return;
        }
    }
    m_entries.push_back({mark, point, preferred});
}

void ChartLabels::remove(QCPItemText* mark)
{
    std::erase_if(m_entries, [mark](const Entry& entry) { return entry.mark == mark; });
    std::erase(m_first, mark);
}

void ChartLabels::setFirst(std::vector<QCPItemText*> marks)
{
    m_first = std::move(marks);
}

void ChartLabels::keepPointsClear(std::vector<QCPGraph*> points)
{
    m_points = std::move(points);
}

QPointF ChartLabels::pointOf(const QCPItemText* mark) const
{
    for (const Entry& entry : m_entries) {
        if (entry.mark == mark)
            return entry.point;
    }
    return {};
}

void ChartLabels::place()
{
    std::vector<const Entry*> order;
    for (const Entry& entry : m_entries) {
        if (entry.mark->visible())
            order.push_back(&entry);
    }
    auto rank = [this](const Entry* entry) {
        const auto at = std::find(m_first.begin(), m_first.end(), entry->mark);
        return at == m_first.end() ? m_first.size() : size_t(at - m_first.begin());
    };
    std::stable_sort(
        order.begin(), order.end(), [&rank](const Entry* a, const Entry* b) { return rank(a) < rank(b); });

    // A pixel inside the frame, so a box rounded outwards still stands within the plot.
    const QRectF frame = m_chart->axisRect()->rect();
    const QRectF plot = frame.adjusted(1, 1, -1, -1);
    // A point on the frame, such as the last point of the curve that sets the axis' range, is in sight.
    const QRectF inSight = frame.adjusted(-1, -1, 1, 1);
    std::vector<charts::ChartLabel> labels;
    std::vector<const Entry*> shown;
    for (const Entry* entry : order) {
        QCPItemText* mark = entry->mark;
        const QPointF anchor(mark->position->keyAxis()->coordToPixel(entry->point.x()),
            mark->position->valueAxis()->coordToPixel(entry->point.y()));
        // A point zoomed out of sight keeps its label beside it, where the plot's edge cuts it off.
        if (!inSight.contains(anchor)) {
            mark->setPositionAlignment(entry->preferred);
            mark->position->setCoords(entry->point);
            continue;
        }
        labels.push_back({anchor, boxSize(mark), entry->preferred});
        shown.push_back(entry);
    }
    std::vector<QRectF> markers;
    for (const QCPGraph* points : m_points) {
        if (!points->visible())
            continue;
        const double size = points->scatterStyle().size() + points->scatterStyle().pen().widthF();
        for (auto it = points->data()->constBegin(); it != points->data()->constEnd(); ++it) {
            const QPointF centre = points->coordsToPixels(it->key, it->value);
            if (inSight.contains(centre))
                markers.emplace_back(centre - QPointF(size / 2, size / 2), QSizeF(size, size));
        }
    }
    const std::vector<QRectF> boxes = charts::placeLabels(labels, plot, {}, markers);
    for (size_t i = 0; i < shown.size(); ++i) {
        QCPItemText* mark = shown[i]->mark;
        mark->setPositionAlignment(Qt::AlignLeft | Qt::AlignTop);
        mark->position->setPixelPosition(boxes[i].topLeft());
    }
}

} // namespace ui
