#include "ui/report/SeriesReportWindow.h"

#include "common/CatalogueStore.h"
#include "printing/MakerHeader.h"
#include "ui/ChartLabels.h"
#include "ui/report/CustomPlot.h"
#include "ui/report/ReportChart.h"

#include <QCloseEvent>

namespace report {

namespace {

constexpr double kPageHeaderMm = 146.0;
constexpr double kColumnHeaderMm = 10.0;
constexpr double kChartWidthMm = 152.6;
constexpr double kChartHeightMm = 106.7;
constexpr double kChartTopMm = 26.3;

TextStyle cell(Qt::Alignment alignment)
{
    return textStyle(10.0, false, alignment | Qt::AlignVCenter);
}

QString priceTitleName(int line)
{
    return QStringLiteral("QRLabelPrice%1").arg(line);
}

} // namespace

SeriesReportWindow::SeriesReportWindow(const SeriesReportDesign& design, QWidget* parent)
    : ReportHostWindow(parent)
{
    setWindowTitle(QStringLiteral("Вывод результатов расчета"));
    resize(760, 820);
    buildChart(design);
    buildLayout(design);
    bindTable([] { return store::workingDatabase(); }, QStringLiteral("ventutil"), QStringLiteral("Num"));

    layOutWithButtons();
    // The chart lives in the form only to be painted onto the pages.
    m_chart->setParent(this);
    m_chart->hide();
}

SeriesReportWindow::~SeriesReportWindow() = default;

ReportLabel* SeriesReportWindow::titleLabel() const
{
    return report().elementAs<ReportLabel>(QStringLiteral("QRLabelName"));
}

void SeriesReportWindow::buildChart(const SeriesReportDesign& design)
{
    m_chart = new QCustomPlot;
    // The numbered labels stay inside the chart and apart on paper as on screen.
    m_labels = new ui::ChartLabels(m_chart);
    m_chart->setObjectName(QStringLiteral("QRChart"));
    m_chart->legend->setVisible(false);
    QFont axisFont(QStringLiteral("Arial"));
    axisFont.setPointSizeF(design.axisTitlePointSize);
    axisFont.setBold(true);
    m_chart->xAxis->setLabel(design.bottomAxisTitle);
    m_chart->xAxis->setLabelFont(axisFont);
    m_chart->yAxis->setLabel(design.leftAxisTitle);
    m_chart->yAxis->setLabelFont(axisFont);
    for (QCPAxis* axis : {m_chart->xAxis, m_chart->yAxis}) {
        axis->setTickLabelFont(QFont(QStringLiteral("Arial"), 8));
        axis->grid()->setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 0, Qt::DotLine));
    }
    ensureSlots(kCurveSlots);
}

void SeriesReportWindow::ensureSlots(int count)
{
    while (int(m_curves.size()) < count) {
        QCPGraph* line = m_chart->addGraph();
        line->setPen(QPen(Qt::black, 2));
        m_curves.push_back(line);
    }
    while (int(m_points.size()) < count) {
        QCPGraph* points = m_chart->addGraph();
        points->setLineStyle(QCPGraph::lsNone);
        points->setScatterStyle(
            QCPScatterStyle(QCPScatterStyle::ssTriangle, QPen(Qt::black, 1), Qt::white, 3));
        m_points.push_back(points);
    }
    m_marks.resize(size_t(count), nullptr);
}

void SeriesReportWindow::buildLayout(const SeriesReportDesign& design)
{
    Report& r = report();
    r.page = design.page;
    r.title = QStringLiteral("ЗФН: Печать характеристик выбранной серии вентиляторов:");
    const double width = design.page.printableWidthMm();

    ReportBand& header = r.band(BandKind::PageHeader, kPageHeaderMm);
    header.add<ReportPicture>(QRectF(design.logoLeftMm, 2.0, 23.8, 11.9)).setImage(makerLogo());
    header.add<ReportLabel>(
        QRectF(design.makerLeftMm, 2.0, width - design.makerLeftMm, 6.0), makerLine(), boldText(12));
    header.add<ReportLabel>(QRectF(design.makerLeftMm, 8.0, 60.0, 5.0), makerWebAddress(), boldText(10));
    header.add<ReportLine>(QLineF(design.ruleFromMm, 16.0, design.ruleToMm, 16.0), 0.4);
    header
        .add<ReportLabel>(QRectF(design.titleLeftMm, 17.7, width - design.titleLeftMm, 7.0),
            QStringLiteral("Характеристики вентиляторов:"), boldText(12))
        .setName(QStringLiteral("QRLabelName"));
    const QRectF chartRect(design.chartLeftMm, kChartTopMm, kChartWidthMm, kChartHeightMm);
    header.add<ReportChart>(chartRect, m_chart);
    header.add<ReportFrame>(chartRect, ReportFrame::All, 0.3);

    // Column boundaries, the right edge of the printable area closing the last column.
    std::vector<double> edges;
    for (const SeriesReportColumn& column : design.columns)
        edges.push_back(column.fromMm);
    edges.push_back(width);
    const int group = design.groupFirstColumn;
    const double half = kColumnHeaderMm / 2;

    ReportBand& titles = r.band(BandKind::ColumnHeader, kColumnHeaderMm);
    titles.add<ReportFrame>(QRectF(0, 0, width, kColumnHeaderMm), ReportFrame::Top | ReportFrame::Bottom);
    for (size_t i = 0; i < edges.size(); ++i) {
        // Between the two grouped columns the rule starts under the group title.
        const double top = static_cast<int>(i) == group + 1 ? half : 0.0;
        titles.add<ReportLine>(QLineF(edges[i], top, edges[i], kColumnHeaderMm));
    }
    titles.add<ReportLine>(QLineF(edges[group], half, edges[group + 2], half));
    titles.add<ReportLabel>(QRectF(edges[group], 0, edges[group + 2] - edges[group], half), design.groupTitle,
        boldText(8, Qt::AlignCenter));
    for (size_t i = 0; i < design.columns.size(); ++i) {
        const SeriesReportColumn& column = design.columns[i];
        const double left = edges[i] + 0.5;
        const double span = edges[i + 1] - edges[i] - 1.0;
        const bool price = i + 1 == design.columns.size();
        // A one-line title stands in the middle of the header; two lines share it.
        if (column.subTitle.isEmpty() && !price) {
            titles.add<ReportLabel>(
                QRectF(left, 0, span, kColumnHeaderMm), column.title, boldText(8, Qt::AlignCenter));
            continue;
        }
        auto& upper = titles.add<ReportLabel>(
            QRectF(left, 0, span, half), column.title, boldText(8, Qt::AlignCenter));
        if (price)
            upper.setName(priceTitleName(1));
        auto& lower = titles.add<ReportLabel>(
            QRectF(left, half, span, half), column.subTitle, boldText(8, Qt::AlignCenter));
        if (price)
            lower.setName(priceTitleName(2));
    }

    ReportBand& detail = r.band(BandKind::Detail, design.detailHeightMm);
    for (const double edge : edges)
        detail.add<ReportLine>(QLineF(edge, 0, edge, design.detailHeightMm));
    detail.add<ReportLine>(QLineF(0, design.detailHeightMm, width, design.detailHeightMm));
    for (size_t i = 0; i < design.columns.size(); ++i) {
        const QRectF box(edges[i] + 1.0, 0, edges[i + 1] - edges[i] - 2.0, design.detailHeightMm);
        const Qt::Alignment alignment = i == 1 ? Qt::AlignLeft : Qt::AlignHCenter;
        auto& text = detail.add<ReportDataText>(box, design.columns[i].field, cell(alignment));
        if (i + 1 == design.columns.size())
            text.setName(QStringLiteral("QRDBTextMoney"));
    }
}

void SeriesReportWindow::blankPriceTitles()
{
    for (int line = 1; line <= 2; ++line) {
        if (auto* title = report().elementAs<ReportLabel>(priceTitleName(line)))
            title->setText(QString());
    }
}

void SeriesReportWindow::unbindPrice()
{
    if (auto* price = report().elementAs<ReportDataText>(QStringLiteral("QRDBTextMoney")))
        price->setField(QString());
}

void SeriesReportWindow::clearChart()
{
    for (int i = 0; i < m_chart->graphCount(); ++i)
        m_chart->graph(i)->data()->clear();
    for (QCPItemText*& mark : m_marks) {
        if (mark != nullptr) {
            m_labels->remove(mark);
            m_chart->removeItem(mark);
        }
        mark = nullptr;
    }
}

void SeriesReportWindow::setCurve(int index, const QVector<double>& flows, const QVector<double>& pressures)
{
    if (index < 0)
        return;
    ensureSlots(index + 1);
    m_curves[size_t(index)]->setData(flows, pressures, true);
    m_chart->rescaleAxes();
}

void SeriesReportWindow::setMark(int index, double flow, double pressure, const QString& text)
{
    if (index < 0)
        return;
    ensureSlots(index + 1);
    QCPGraph* points = m_points[size_t(index)];
    points->data()->clear();
    points->addData(flow, pressure);
    QCPItemText*& mark = m_marks.at(static_cast<size_t>(index));
    if (mark == nullptr)
        mark = new QCPItemText(m_chart);
    mark->position->setType(QCPItemPosition::ptPlotCoords);
    mark->position->setCoords(flow, pressure);
    mark->setPositionAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    mark->setText(text);
    mark->setFont(QFont(QStringLiteral("Arial"), 7));
    mark->setPen(QPen(Qt::black));
    mark->setBrush(Qt::white);
    mark->setPadding(QMargins(2, 0, 2, 0));
    mark->setClipToAxisRect(true);
    m_labels->setPoint(mark, QPointF(flow, pressure), Qt::AlignHCenter | Qt::AlignBottom);
}

QCPItemText* SeriesReportWindow::mark(int index) const
{
    return index >= 0 && size_t(index) < m_marks.size() ? m_marks[size_t(index)] : nullptr;
}

void SeriesReportWindow::setLeftAxisTitle(const QString& title)
{
    m_chart->yAxis->setLabel(title);
}

void SeriesReportWindow::closeEvent(QCloseEvent* event)
{
    closeTable();
    ReportHostWindow::closeEvent(event);
}

} // namespace report
