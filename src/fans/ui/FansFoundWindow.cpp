#include "fans/ui/FansFoundWindow.h"

#include "fans/FoundFanRow.h"
#include "ui/ChartLabels.h"
#include "ui/ChartPoints.h"
#include "ui/ChartZoom.h"
#include "ui/GridColumns.h"
#include "ui/Program.h"
#include "ui/ScreenFit.h"
#include "ui/SharedRecords.h"
#include "ui/report/AxisTitles.h"
#include "ui/report/CustomPlot.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int listedFans = 29; // colours, repeated from fan 30 on

// Colour of fan c at c − 1.
constexpr int fanColours[listedFans][3] = {{255, 255, 0}, {0, 0, 0}, {0, 0, 255}, {255, 0, 0}, {0, 128, 0},
    {255, 255, 255}, {128, 0, 128}, {15, 170, 240}, {255, 0, 255}, {0, 255, 255}, {0, 255, 0}, {68, 128, 10},
    {128, 0, 0}, {0, 0, 128}, {128, 128, 0}, {128, 0, 128}, {160, 32, 86}, {35, 246, 115}, {255, 255, 0},
    {0, 0, 0}, {0, 0, 255}, {255, 0, 0}, {0, 128, 0}, {255, 255, 255}, {128, 128, 0}, {96, 90, 79},
    {255, 0, 255}, {0, 255, 255}, {0, 255, 0}};

QColor fanColour(int fanNumber)
{
    const auto& c = fanColours[(fanNumber - 1) % listedFans];
    return QColor(c[0], c[1], c[2]);
}

const QColor systemCurveColour(128, 0, 128);
const QColor markBackground(Qt::white);
const QColor chosenMarkBackground(255, 255, 207);
// A mid grey behind the curves: the catalogue colours include white and yellow.
const QColor plotBackground(190, 196, 204);

FoundFansLook generalLook()
{
    return {u"ЗФН: Выберите канальный вентилятор"_s,
        {20, 107, 66, 78, 2, 61, 126, 2, 2, 2, 2, 59, 60, 2, 97, 2, 2, 77, 39}, fans::foundFanHeaderRow(0),
        fans::foundFanHeaderRow(1), u"Расход воздуха (м3/час)"_s, u"Статическое давление, Па"_s,
        u"Полное давление, Па"_s, u"<< Назад"_s, true, true};
}

// What the general window calls the fans of a run's group, in its caption and its help line.
struct GroupNames {
    QString caption;
    QString help;
};

GroupNames namesOf(fans::FanGroup group)
{
    const QString moving
        = u" перемещайтесь по списку спомощью \"мыши\" или клавиш ВЕРХ, ВНИЗ на клавиатуре. "_s;
    switch (group) {
    case fans::FanGroup::Roof:
        return {u"ЗФН: Выберите крышный вентилятор"_s, u"Для выбора крышного вентилятора"_s + moving};
    case fans::FanGroup::Pressurization:
        return {u"ЗФН: Выберите вентилятор подпора воздуха"_s,
            u"Для выбора вентилятора подпора воздуха"_s + moving};
    case fans::FanGroup::Duct:
        break;
    }
    return {u"ЗФН: Выберите канальный вентилятор"_s, u"Для выбора канального вентилятора"_s + moving};
}

QString listHint()
{
    return u"Для выбора вентилятора перемещайтесь по списку спомощью \"мыши\" или клавиш ВВЕРХ, ВНИЗ на клавиатуре"_s;
}

void styleLine(QCPGraph* graph, const QColor& colour, double width = 1)
{
    graph->setLineStyle(QCPGraph::lsLine);
    graph->setScatterStyle(QCPScatterStyle::ssNone);
    graph->setPen(QPen(colour, width));
}

void stylePoints(QCPGraph* graph, QCPScatterStyle::ScatterShape shape, double size, const QColor& colour)
{
    graph->setLineStyle(QCPGraph::lsNone);
    graph->setScatterStyle(QCPScatterStyle(shape, QPen(colour.darker(130)), QBrush(colour), size));
    graph->setPen(QPen(colour));
}

// Points of a graph inside the visible axis ranges.
int visiblePoints(const QCPGraph* graph)
{
    const QCPRange x = graph->keyAxis()->range();
    const QCPRange y = graph->valueAxis()->range();
    int count = 0;
    for (auto it = graph->data()->constBegin(); it != graph->data()->constEnd(); ++it) {
        if (x.contains(it->key) && y.contains(it->value))
            ++count;
    }
    return count;
}

} // namespace

TFormGrVovazu::TFormGrVovazu(ui::Program& program, QWidget* parent)
    : TFormGrVovazu(program, parent, generalLook())
{
}

TFormGrVovazu::TFormGrVovazu(ui::Program& program, QWidget* parent, FoundFansLook look)
    : QWidget(parent, Qt::Window)
    , m_program(program)
    , m_look(std::move(look))
{
    setObjectName(u"FormGrVovazu"_s);
    setWindowTitle(m_look.caption);

    auto* listGroup = new QGroupBox(u"Подобранные вентиляторы:"_s);
    m_list = new QListWidget;
    m_list->setObjectName(u"ListBoxVOVAZU"_s);
    m_list->setCursor(Qt::PointingHandCursor);
    m_list->setToolTip(listHint());
    auto* listLayout = new QVBoxLayout(listGroup);
    listLayout->addWidget(m_list);

    buildChart();
    buildGrid();

    auto* rightSplitter = new QSplitter(Qt::Vertical);
    rightSplitter->addWidget(m_chart);
    rightSplitter->addWidget(m_grid);
    rightSplitter->setStretchFactor(0, 3);
    rightSplitter->setStretchFactor(1, 2);
    // The split starts as it grows: left to the size hints, the grid's would take most of the height.
    rightSplitter->setSizes({360, 240});
    auto* mainSplitter = new QSplitter(Qt::Horizontal);
    mainSplitter->addWidget(listGroup);
    mainSplitter->addWidget(rightSplitter);
    mainSplitter->setStretchFactor(1, 1);
    mainSplitter->setSizes({220, 1000});

    auto* memo = m_memo = new QLineEdit(namesOf(fans::FanGroup::Duct).help);
    memo->setReadOnly(true);
    memo->setFrame(false);
    memo->setToolTip(
        u"Для выбора вентиляционной системы перемещайтесь по списку спомощью \"мыши\" или клавиш "
        u"ВВЕРХ, ВНИЗ на клавиатуре"_s);
    memo->setVisible(m_look.memo);
    auto* back = new QPushButton(m_look.backText);
    back->setObjectName(u"Button1"_s);
    auto* details = new QPushButton(u"Подробно"_s);
    details->setObjectName(u"Button2"_s);
    m_unitButton = new QPushButton(u"Модульная система"_s);
    m_unitButton->setObjectName(u"Button3"_s);
    m_unitButton->hide();
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(memo, 1);
    if (!m_look.memo)
        bottom->insertStretch(0, 1);
    bottom->addWidget(back);
    bottom->addWidget(details);
    bottom->addWidget(m_unitButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(mainSplitter, 1);
    layout->addLayout(bottom);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { chooseFan(row + 1); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] { showDetails(); });
    connect(m_grid, &QTableWidget::currentCellChanged, this, [this](int row) { chooseFan(row + 1); });
    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this] { showDetails(); });
    connect(back, &QPushButton::clicked, this, &QWidget::hide);
    connect(details, &QPushButton::clicked, this, &TFormGrVovazu::showDetails);
    connect(m_unitButton, &QPushButton::clicked, this, &TFormGrVovazu::chooseForUnit);
    // Its own size hint would show the chart and a single row of the grid.
    ui::fitCentredOnScreen(this, QSize(1100, 720));
}

void TFormGrVovazu::buildChart()
{
    m_chart = new QCustomPlot;
    m_chart->setObjectName(u"Chart1"_s);
    m_chart->legend->setVisible(false);
    m_chart->setCursor(Qt::CrossCursor);
    m_chart->setToolTip(
        u"Размерные характеристики вентиляторов |Для увелич. масштаба удерживая левую кн. мыши "
        u"выделите прямоуг. область с левого верх. угла, для уменьшения - с правого верхнего "
        u"угла-в левый нижний"_s);
    m_chart->xAxis->setLabel(m_look.flowAxisTitle);
    m_chart->yAxis->setLabel(m_look.totalPressureTitle);
    report::keepAxisTitlesWhole(*m_chart);
    m_chart->axisRect()->setBackground(plotBackground);
    m_chart->setMinimumSize(400, 250);
    for (int i = 0; i <= lastLabelSeries; ++i) {
        QCPGraph* graph = m_chart->addGraph();
        graph->setObjectName(u"Series%1"_s.arg(i + 1));
        m_series.push_back(graph);
    }
    styleLine(m_series[0], systemCurveColour, 2);
    m_series[0]->setName(u"Крив.давл."_s);
    stylePoints(m_series[1], QCPScatterStyle::ssDiamond, 10, Qt::red);
    m_series[1]->setName(u"Раб.точка"_s);
    stylePoints(m_series[2], QCPScatterStyle::ssCircle, 7, Qt::red);
    m_series[2]->setName(u"Ист.раб.точка"_s);
    // The chosen fan's operating point carries its pressure as a mark.
    m_operatingMark = new QCPItemText(m_chart);
    m_operatingMark->setPen(QPen(Qt::red));
    m_operatingMark->setBrush(markBackground);
    m_operatingMark->setPadding(QMargins(2, 1, 2, 1));
    m_operatingMark->setClipToAxisRect(true);
    m_operatingMark->setVisible(false);
    m_labelPlaces = new ui::ChartLabels(m_chart);
    styleLine(m_series[seriesCount - 2], Qt::yellow, 2);
    styleLine(m_series[seriesCount - 1], Qt::yellow, 2);

    // Dragging a rectangle from its upper left corner zooms into it; dragging towards the left returns
    // to the whole picture.
    ui::enableRectangleZoom(m_chart, [this] {
        fitAxes();
        m_chart->replot();
    });
    connect(m_chart, &QCustomPlot::mousePress, this,
        [this](QMouseEvent* event) { m_pressPosition = event->position(); });
    connect(m_chart, &QCustomPlot::mouseRelease, this, [this](QMouseEvent* event) {
        if ((event->position() - m_pressPosition).manhattanLength() > 3 || event->button() != Qt::LeftButton)
            return;
        if (auto* graph = qobject_cast<QCPGraph*>(m_chart->plottableAt(event->position(), false)))
            onCurveClicked(graph);
    });
}

void TFormGrVovazu::buildGrid()
{
    m_grid = new QTableWidget(0, 0);
    m_grid->setObjectName(u"StringVOVAZU"_s);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    m_grid->setWordWrap(false);
    m_grid->viewport()->setCursor(Qt::PointingHandCursor);
    m_grid->setToolTip(listHint());
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    m_grid->horizontalHeader()->setMinimumSectionSize(2);
    m_grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setColumns(m_look.headerTop, m_look.headerSecond, m_look.columnWidths);
}

void TFormGrVovazu::setColumns(
    const QStringList& top, const QStringList& second, const std::vector<int>& widths)
{
    m_grid->setColumnCount(int(widths.size()));
    setHeaderRows(top, second);
    for (int column = 0; column < m_grid->columnCount(); ++column)
        m_grid->setColumnWidth(column, widths[size_t(column)]);
}

int TFormGrVovazu::labelSeries(int fanNumber)
{
    return fanNumber < maxListedFans ? firstLabelSeries + fanNumber - 1 : lastLabelSeries;
}

void TFormGrVovazu::setHeaderRows(const QStringList& top, const QStringList& second)
{
    // The two header rows of the grid make up each column's two-line heading.
    for (int column = 0; column < m_grid->columnCount(); ++column) {
        const QString first = top.value(column);
        const QString next = second.value(column);
        m_grid->setHorizontalHeaderItem(
            column, new QTableWidgetItem(next.isEmpty() ? first : first + u"\n"_s + next));
    }
}

void TFormGrVovazu::fitAxes()
{
    // The whole picture with a margin, and without the leader lines of a chosen fan, which end on the axes.
    for (QCPGraph* leader : {m_series[seriesCount - 2], m_series[seriesCount - 1]})
        leader->setVisible(false);
    m_chart->rescaleAxes(true);
    for (QCPGraph* leader : {m_series[seriesCount - 2], m_series[seriesCount - 1]})
        leader->setVisible(true);
    m_chart->xAxis->scaleRange(1.08);
    m_chart->yAxis->scaleRange(1.1);
}

QCPGraph* TFormGrVovazu::series(int index) const
{
    return index >= 0 && index < int(m_series.size()) ? m_series[size_t(index)] : nullptr;
}

QCPItemText* TFormGrVovazu::labelMark(int fanNumber) const
{
    return fanNumber >= 1 && fanNumber <= int(m_labels.size()) ? m_labels[size_t(fanNumber - 1)] : nullptr;
}

int TFormGrVovazu::gridRow() const
{
    const int row = m_grid->currentRow();
    return row >= 0 && row < int(m_content.fans.size()) ? row + 2 : 0;
}

void TFormGrVovazu::clearChart()
{
    for (QCPGraph* graph : m_series) {
        graph->data()->clear();
        graph->setName(QString());
    }
    m_series[0]->setName(u"Крив.давл."_s);
    m_series[1]->setName(u"Раб.точка"_s);
    m_series[2]->setName(u"Ист.раб.точка"_s);
    m_operatingMark->setVisible(false);
    for (QCPItemText* mark : m_labels) {
        m_labelPlaces->remove(mark);
        m_chart->removeItem(mark);
    }
    m_labels.clear();
}

void TFormGrVovazu::fill(const fans::FoundFansContent& content)
{
    m_choosing = true;
    m_content = content;
    if (m_look.namesGroup) {
        const GroupNames names = namesOf(content.group);
        setWindowTitle(names.caption);
        m_memo->setText(names.help);
    }
    clearChart();
    m_chart->yAxis->setLabel(content.staticPressure ? m_look.staticPressureTitle : m_look.totalPressureTitle);
    m_series[0]->setData(ui::keysOf(content.systemCurve), ui::valuesOf(content.systemCurve), true);
    m_series[1]->addData(content.dutyPoint.x(), content.dutyPoint.y());

    m_list->clear();
    m_grid->clearContents();
    // A run with columns of its own replaces the headings; the next run without them brings back the
    // window's own (which a derived window may have reworded just before).
    if (content.columns)
        setColumns(content.columns->top, content.columns->second, content.columns->widths);
    else if (m_ownColumnsReplaced)
        setColumns(m_look.headerTop, m_look.headerSecond, m_look.columnWidths);
    m_ownColumnsReplaced = content.columns.has_value();
    const std::vector<int>& widths = content.columns ? content.columns->widths : m_look.columnWidths;
    const int count = std::min(int(content.fans.size()), maxListedFans);
    m_grid->setRowCount(count);
    for (int c = 1; c <= count; ++c) {
        const fans::FoundFanEntry& fan = content.fans[size_t(c - 1)];
        const QColor colour = fanColour(c);
        m_list->addItem(fan.designation);

        QCPGraph* curve = m_series[size_t(firstCurveSeries + c - 1)];
        styleLine(curve, colour);
        curve->setName(fan.designation);
        curve->setData(ui::keysOf(fan.curve), ui::valuesOf(fan.curve), true);

        QCPGraph* labelPoint = m_series[size_t(labelSeries(c))];
        stylePoints(labelPoint, QCPScatterStyle::ssDisc, 5, colour);
        labelPoint->setName(fan.designation);
        auto* mark = new QCPItemText(m_chart);
        mark->setText(fan.designation);
        mark->setPen(QPen(colour, 1));
        mark->setBrush(markBackground);
        mark->setPadding(QMargins(2, 1, 2, 1));
        mark->setClipToAxisRect(true);
        mark->setVisible(fan.label.has_value());
        if (fan.label) {
            labelPoint->addData(fan.label->x(), fan.label->y());
            // The label point is the curve's right end: the text prefers its left, inside the chart.
            m_labelPlaces->setPoint(mark, *fan.label, Qt::AlignRight | Qt::AlignBottom);
        }
        m_labels.push_back(mark);

        for (int column = 0; column < m_grid->columnCount() && column < fan.row.size(); ++column)
            m_grid->setItem(c - 1, column, new QTableWidgetItem(fan.row[column]));
    }
    // Columns meant to be seen grow to their headings and texts; the 2-pixel ones stay hidden.
    for (int column = 0; column < m_grid->columnCount(); ++column)
        m_grid->setColumnWidth(column, widths[size_t(column)]);
    ui::widenColumnsToContents(m_grid);
    fitAxes();
    m_chart->replot();
    // No fan is chosen until the user moves; set through the views, so that taking the focus does not
    // make the first row current on its own.
    m_grid->setCurrentIndex(QModelIndex());
    m_grid->clearSelection();
    m_list->setCurrentIndex(QModelIndex());
    m_choosing = false;

    m_unitButton->hide();
    m_unitChosen = nullptr;
    showMaximized();
    raise();
    activateWindow();
    m_list->setFocus();
}

void TFormGrVovazu::showEvent(QShowEvent* event)
{
    // The number column counts the rows, whoever filled the grid.
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        if (!m_grid->item(row, 0))
            m_grid->setItem(row, 0, new QTableWidgetItem);
        m_grid->item(row, 0)->setText(QString::number(row + 1));
    }
    QWidget::showEvent(event);
}

void TFormGrVovazu::chooseFan(int fanNumber)
{
    if (m_choosing || fanNumber < 1 || fanNumber > int(m_labels.size()))
        return;
    m_choosing = true;
    m_list->setCurrentRow(fanNumber - 1);
    m_grid->setCurrentCell(fanNumber - 1, std::max(m_grid->currentColumn(), 0));
    m_grid->selectRow(fanNumber - 1);
    highlight(fanNumber);
    drawOperatingPoint(fanNumber);
    // The chosen fan's label and its point's mark find their places before the other labels.
    m_labelPlaces->setFirst({m_labels[size_t(fanNumber - 1)], m_operatingMark});
    m_chart->replot();
    m_choosing = false;
}

void TFormGrVovazu::highlight(int fanNumber)
{
    for (int c = 1; c <= int(m_labels.size()); ++c) {
        const bool chosen = c == fanNumber;
        QCPGraph* curve = m_series[size_t(firstCurveSeries + c - 1)];
        QPen pen = curve->pen();
        pen.setWidthF(chosen ? 2 : 1);
        curve->setPen(pen);
        QCPItemText* mark = m_labels[size_t(c - 1)];
        QPen frame = mark->pen();
        frame.setWidthF(chosen ? 3 : 1);
        mark->setPen(frame);
        mark->setBrush(chosen ? chosenMarkBackground : markBackground);
    }
}

void TFormGrVovazu::drawOperatingPoint(int fanNumber)
{
    QCPGraph* point = m_series[2];
    QCPGraph* horizontal = m_series[seriesCount - 2];
    QCPGraph* vertical = m_series[seriesCount - 1];
    point->data()->clear();
    horizontal->data()->clear();
    vertical->data()->clear();
    const fans::FoundFanEntry& fan = m_content.fans[size_t(fanNumber - 1)];
    // A fan slowed down to the duty shows beside it what it gives at catalogue speed.
    QCPGraph* fullSpeed = m_series[fullSpeedSeries];
    fullSpeed->setPen(QPen(fanColour(fanNumber), 1.5, Qt::DashLine));
    fullSpeed->setData(ui::keysOf(fan.fullSpeedCurve), ui::valuesOf(fan.fullSpeedCurve), true);
    const QPointF op = fan.operatingPoint;
    point->addData(op.x(), op.y());
    m_labelPlaces->setPoint(m_operatingMark, op, Qt::AlignLeft | Qt::AlignTop);
    m_operatingMark->setText(QString::number(op.y(), 'f', 0));
    m_operatingMark->setVisible(true);
    // Leader lines from the point to both axes, drawn as the axes stand now.
    horizontal->setData({0.99 * op.x(), m_chart->xAxis->range().lower}, {op.y(), op.y()});
    vertical->setData({op.x(), op.x()}, {0.95 * op.y(), m_chart->yAxis->range().lower});
}

void TFormGrVovazu::onCurveClicked(QCPGraph* graph)
{
    const int index = int(std::find(m_series.begin(), m_series.end(), graph) - m_series.begin());
    const bool fanCurve = index >= firstCurveSeries && index < firstCurveSeries + int(m_labels.size());
    if (!fanCurve || visiblePoints(graph) < 3)
        return;
    // Fan c's curve is series firstCurveSeries + c − 1: the curve itself says which fan it is, also
    // where two listed fans share a designation.
    chooseFan(index - firstCurveSeries + 1);
}

void TFormGrVovazu::showDetails()
{
    if (m_content.fans.empty())
        return;
    const int row = gridRow() ? gridRow() : 2;
    const fans::SelectedFan fan = fans::selectedFanOf(m_content, size_t(row - 2));
    m_program.records().get<fans::SelectedFan>() = fan;
    Q_EMIT detailsRequested(fan);
}

void TFormGrVovazu::offerUnit(std::function<void(const fans::SelectedFan& fan)> chosen)
{
    m_unitChosen = std::move(chosen);
    m_unitButton->setVisible(bool(m_unitChosen));
}

bool TFormGrVovazu::isUnitOffered() const
{
    return bool(m_unitChosen);
}

void TFormGrVovazu::chooseForUnit()
{
    if (!m_unitChosen || m_content.fans.empty())
        return;
    const int row = gridRow() ? gridRow() : 2;
    m_unitChosen(fans::selectedFanOf(m_content, size_t(row - 2)));
}
