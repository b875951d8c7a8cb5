#include "ui/ChartPoints.h"

namespace ui {

QVector<double> keysOf(const std::vector<QPointF>& points)
{
    QVector<double> keys;
    keys.reserve(qsizetype(points.size()));
    for (const QPointF& p : points)
        keys << p.x();
    return keys;
}

QVector<double> valuesOf(const std::vector<QPointF>& points)
{
    QVector<double> values;
    values.reserve(qsizetype(points.size()));
    for (const QPointF& p : points)
        values << p.y();
    return values;
}

} // namespace ui
