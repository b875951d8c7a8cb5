#pragma once

#include <QPointF>
#include <QVector>
#include <vector>

// Chart series take their points as separate lists of keys (flows) and values.
namespace ui {

QVector<double> keysOf(const std::vector<QPointF>& points);
QVector<double> valuesOf(const std::vector<QPointF>& points);

} // namespace ui
