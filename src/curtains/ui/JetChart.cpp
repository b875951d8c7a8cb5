#include "curtains/ui/JetChart.h"

#include "ui/report/CustomPlot.h"

using namespace Qt::StringLiterals;

namespace curtains {

namespace {

enum ChartSeries { Axis, Outer, Inner, Temperatures, SeriesCount };

QVector<double> xs(const std::vector<QPointF>& points)
{
    QVector<double> values;
    values.reserve(static_cast<qsizetype>(points.size()));
    for (const QPointF& p : points)
        values << p.x();
    return values;
}

QVector<double> ys(const std::vector<QPointF>& points)
{
    QVector<double> values;
    values.reserve(static_cast<qsizetype>(points.size()));
    for (const QPointF& p : points)
        values << p.y();
    return values;
}

QCPItemText* addMark(
    QCustomPlot* chart, const QPointF& at, const QString& text, const QColor& colour, Qt::Alignment side)
{
    auto* mark = new QCPItemText(chart);
    mark->position->setCoords(at);
    mark->setPositionAlignment(side);
    mark->setText(text);
    mark->setColor(colour);
    mark->setPen(QPen(colour));
    mark->setBrush(QBrush(Qt::white));
    mark->setPadding(QMargins(3, 1, 3, 1));
    QFont font = mark->font();
    font.setPointSizeF(7.5);
    mark->setFont(font);
    return mark;
}

} // namespace

void prepareJetChart(QCustomPlot* chart)
{
    chart->clearGraphs();
    chart->clearItems();
    const struct {
        QColor colour;
        double width;
        Qt::PenStyle style;
    } lines[] = {{QColor(0, 0, 160), 2, Qt::DashDotLine}, {QColor(200, 0, 0), 2, Qt::SolidLine},
        {QColor(0, 128, 0), 2, Qt::SolidLine}};
    for (const auto& line : lines) {
        QCPGraph* graph = chart->addGraph();
        graph->setPen(QPen(line.colour, line.width, line.style));
    }
    QCPGraph* temperatures = chart->addGraph();
    temperatures->setLineStyle(QCPGraph::lsNone);
    temperatures->setScatterStyle(
        QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::black), QBrush(Qt::yellow), 7));
    QFont bold = chart->xAxis->labelFont();
    bold.setBold(true);
    chart->xAxis->setLabelFont(bold);
    chart->yAxis->setLabelFont(bold);
    chart->yAxis->setLabel(jetLeftAxisTitle());
    chart->xAxis->setLabel(jetBottomAxisTitle(true));
    chart->plotLayout()->insertRow(0);
    chart->plotLayout()->addElement(0, 0, new QCPTextElement(chart, u"Траектория струи"_s, bold));
}

void drawJet(QCustomPlot* chart, const JetPath& path, bool side)
{
    if (chart->graphCount() < SeriesCount)
        prepareJetChart(chart);
    chart->clearItems();
    chart->graph(Axis)->setData(xs(path.axis), ys(path.axis), true);
    chart->graph(Outer)->setData(xs(path.outer), ys(path.outer), true);
    chart->graph(Inner)->setData(xs(path.inner), ys(path.inner), true);
    std::vector<QPointF> temperaturePoints;
    for (const JetMark& mark : path.marks) {
        switch (mark.kind) {
        case JetMarkKind::Temperature:
            temperaturePoints.push_back(mark.point);
            addMark(chart, mark.point, mark.text, Qt::black, Qt::AlignLeft | Qt::AlignBottom);
            break;
        case JetMarkKind::InnerBoundary:
            addMark(chart, mark.point, mark.text, QColor(0, 128, 0), Qt::AlignLeft | Qt::AlignTop);
            break;
        case JetMarkKind::OuterBoundary: {
            // Starts at the left edge of the plot, at the mark's height: a label ending at the mark would
            // run over the axis on a narrow chart (the printed form's).
            QCPItemText* label
                = addMark(chart, mark.point, mark.text, QColor(200, 0, 0), Qt::AlignLeft | Qt::AlignBottom);
            label->position->setTypeX(QCPItemPosition::ptAxisRectRatio);
            label->position->setCoords(0.01, mark.point.y());
            break;
        }
        }
    }
    chart->graph(Temperatures)->setData(xs(temperaturePoints), ys(temperaturePoints), true);
    chart->xAxis->setLabel(jetBottomAxisTitle(side));
    chart->rescaleAxes();
    chart->xAxis->scaleRange(1.1);
    chart->yAxis->scaleRange(1.25);
    chart->replot();
}

} // namespace curtains
