#pragma once

#include <QObject>
#include <QPointF>
#include <vector>

class QCustomPlot;
class QCPItemText;
class QCPGraph;

namespace ui {

// Keeps the text labels of a chart inside its plot and apart. Each label names a point (in the
// coordinates of its position's axes); every time the chart is laid out, before it is drawn, the labels
// are placed anew near their points for the axes as they stand, the more important ones first.
class ChartLabels : public QObject {
    Q_OBJECT
public:
    explicit ChartLabels(QCustomPlot* chart);

    // Label `mark` names `point` and prefers the given side of it (as a text item's alignment reads).
    // A label set again keeps its place in the order; hidden labels are left alone.
    void setPoint(QCPItemText* mark, QPointF point, Qt::Alignment preferred);
    void remove(QCPItemText* mark);
    // The labels placed before all others, most important first (the chosen fan's, its working point's).
    void setFirst(std::vector<QCPItemText*> marks);
    // The point a label names.
    QPointF pointOf(const QCPItemText* mark) const;
    // No label covers the markers of these point series, save the marker of the point it names itself.
    void keepPointsClear(std::vector<QCPGraph*> points);

private:
    struct Entry {
        QCPItemText* mark;
        QPointF point;
        Qt::Alignment preferred;
    };
    void place();

    QCustomPlot* m_chart;
    std::vector<Entry> m_entries;
    std::vector<QCPItemText*> m_first;
    std::vector<QCPGraph*> m_points;
};

} // namespace ui
