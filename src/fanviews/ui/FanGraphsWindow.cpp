#include "fanviews/ui/FanGraphsWindow.h"

#include "common/NumberText.h"
#include "ui/ChartLabels.h"
#include "ui/ChartPoints.h"
#include "ui/ChartZoom.h"
#include "ui/Hints.h"
#include "ui/Messages.h"
#include "ui/SpinEditWidget.h"
#include "ui/report/AxisTitles.h"
#include "ui/report/CustomPlot.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QColor pressureColour(Qt::red);
const QColor powerColour(Qt::blue);

QCPGraph* lineSeries(QCustomPlot* chart, QCPAxis* valueAxis, const QString& name, const QColor& colour)
{
    QCPGraph* graph = chart->addGraph(chart->xAxis, valueAxis);
    graph->setObjectName(name);
    graph->setPen(QPen(colour, 2));
    graph->setLineStyle(QCPGraph::lsLine);
    return graph;
}

QCPGraph* pointSeries(QCustomPlot* chart, QCPAxis* valueAxis, const QString& name)
{
    QCPGraph* graph = chart->addGraph(chart->xAxis, valueAxis);
    graph->setObjectName(name);
    graph->setName(u"р.т."_s);
    graph->setLineStyle(QCPGraph::lsNone);
    graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::darkRed), QBrush(Qt::red), 9));
    return graph;
}

// The value marks are drawn over both working points: where the curves cross, one point stands under the
// other's mark and would hide its figures.
constexpr const char16_t* marksLayer = u"marks";

QCPItemText* valueMark(QCustomPlot* chart, QCPAxis* valueAxis, const QColor& colour)
{
    if (!chart->layer(QString::fromUtf16(marksLayer)))
        chart->addLayer(QString::fromUtf16(marksLayer), chart->layer(u"main"_s), QCustomPlot::limAbove);
    auto* mark = new QCPItemText(chart);
    mark->setLayer(QString::fromUtf16(marksLayer));
    mark->position->setAxes(chart->xAxis, valueAxis);
    mark->setPadding(QMargins(4, 1, 4, 1));
    mark->setBrush(QColor(255, 255, 225));
    mark->setPen(QPen(colour));
    mark->setFont(QFont(u"Arial"_s, 9, QFont::Bold));
    mark->setClipToAxisRect(true);
    mark->setVisible(false);
    return mark;
}

// A mark prefers to sit a little above its point; the pressure and the power marks keep apart.
void showMark(ui::ChartLabels* places, QCPItemText* mark, double flow, double value, const QString& text)
{
    places->setPoint(mark, QPointF(flow, value), Qt::AlignHCenter | Qt::AlignBottom);
    mark->setText(text);
    mark->setVisible(true);
}

// The value axis spans its curve from zero, with room above for the marks.
void fitValueAxis(QCPAxis* axis, const QCPGraph* curve)
{
    bool found = false;
    const QCPRange range = curve->getValueRange(found);
    axis->setRange(0, found && range.upper > 0 ? range.upper * 1.12 : 1);
}

} // namespace

FanGraphsWindow::FanGraphsWindow(Curves curves, const QString& caption, QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setWindowTitle(caption);
    resize(900, 620);
    buildChart(curves);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_chart, 1);
    layout->addWidget(buildBottomPanel());
}

void FanGraphsWindow::buildChart(Curves curves)
{
    m_chart = new QCustomPlot;
    m_chart->setObjectName(u"Chart1"_s);
    m_chart->legend->setVisible(false);
    m_chart->setCursor(Qt::CrossCursor);
    ui::setHint(m_chart,
        u"Размерные характеристики вентиляторов |Для увелич. масштаба удерживая левую кн. мыши "
        u"выделите прямоуг. область с левого верх. угла, для уменьшения - с правого верхнего "
        u"угла-в левый нижний"_s);
    m_chart->plotLayout()->insertRow(0);
    m_chart->plotLayout()->addElement(
        0, 0, new QCPTextElement(m_chart, u"Размерная характеристика"_s, QFont(u"Arial"_s, 11, QFont::Bold)));
    m_chart->xAxis->setLabel(u"Расход воздуха (м3/час)"_s);
    m_chart->yAxis->setLabel(u"Давление, Па"_s);
    m_chart->yAxis2->setLabel(u"Мощность,N кВт"_s);
    report::keepAxisTitlesWhole(*m_chart);
    m_chart->yAxis2->setVisible(true);
    for (QCPAxis* axis : {m_chart->xAxis, m_chart->yAxis, m_chart->yAxis2})
        axis->setLabelFont(QFont(u"Arial"_s, 10, QFont::Bold));
    m_chart->yAxis->setLabelColor(pressureColour.darker(130));
    m_chart->yAxis2->setLabelColor(powerColour);

    m_pressureCurve = lineSeries(m_chart, m_chart->yAxis, u"Series1"_s, pressureColour);
    if (curves == Curves::PressureAndPower)
        m_powerCurve = lineSeries(m_chart, m_chart->yAxis2, u"Series2"_s, powerColour);
    m_pressurePoint = pointSeries(m_chart, m_chart->yAxis, u"Series4"_s);
    m_pressureMark = valueMark(m_chart, m_chart->yAxis, pressureColour);
    if (curves == Curves::PressureAndPower) {
        m_powerPoint = pointSeries(m_chart, m_chart->yAxis2, u"Series5"_s);
        m_powerMark = valueMark(m_chart, m_chart->yAxis2, powerColour);
    }
    m_markPlaces = new ui::ChartLabels(m_chart);
    m_markPlaces->setFirst({m_pressureMark});
    m_markPlaces->keepPointsClear(m_powerPoint ? std::vector<QCPGraph*> {m_pressurePoint, m_powerPoint}
                                               : std::vector<QCPGraph*> {m_pressurePoint});

    // Dragging a rectangle from its upper left zooms in; from the upper right towards the lower left
    // shows the whole chart again.
    ui::enableRectangleZoom(m_chart, [this] { showWholeChart(); });
}

QWidget* FanGraphsWindow::buildBottomPanel()
{
    auto* panel = new QWidget;
    auto* row = new QHBoxLayout(panel);
    auto* title = new QLabel(u"Рабочая точка:"_s);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    m_flowField = new QLineEdit;
    m_flowField->setObjectName(u"Input_RT"_s);
    // Up to eight digits are typed; the buttons may write a stepped value of any sign.
    m_flowField->setValidator(
        new QRegularExpressionValidator(QRegularExpression(u"\\d{0,8}"_s), m_flowField));
    m_flowField->setMaxLength(12);
    m_flowField->setFixedWidth(100);
    auto* flowBox = new QVBoxLayout;
    flowBox->addWidget(new QLabel(u"Расход воздуха (м3/час)"_s));
    flowBox->addWidget(m_flowField);

    auto* left = new QPushButton(u"<<"_s);
    left->setObjectName(u"Butt_LEFT"_s);
    ui::setHint(left, u"Переместить рабочую точку ВЛЕВО"_s);
    auto* right = new QPushButton(u">>"_s);
    right->setObjectName(u"Butt_RAITH"_s);
    ui::setHint(right, u"Переместить рабочую точку ВПРАВО"_s);
    auto* fix = new QPushButton(u"( | )"_s);
    fix->setObjectName(u"Button3"_s);
    ui::setHint(fix, u"Зафиксировать рабочую точку"_s);
    for (QPushButton* button : {left, right, fix})
        button->setFixedWidth(52);

    auto* stepGroup = new QGroupBox(u"Шаг перемещения, (м3/час)"_s);
    auto* stepRow = new QHBoxLayout(stepGroup);
    m_stepField = new SpinEditWidget;
    m_stepField->setObjectName(u"Input_INC_DEC"_s);
    m_stepField->setStep(1);
    m_stepField->setText(u"50"_s);
    m_stepField->setFixedWidth(90);
    stepRow->addWidget(new QLabel(u"+/-"_s));
    stepRow->addWidget(m_stepField);

    auto* close = new QPushButton(u"Закрыть"_s);
    close->setObjectName(u"Button1"_s);
    close->setDefault(true);

    row->addWidget(title);
    row->addLayout(flowBox);
    row->addWidget(left);
    row->addWidget(fix);
    row->addWidget(right);
    row->addWidget(stepGroup);
    row->addStretch(1);
    row->addWidget(close);

    connect(left, &QPushButton::clicked, this, [this] { stepWorkingPoint(-1); });
    connect(right, &QPushButton::clicked, this, [this] { stepWorkingPoint(1); });
    connect(fix, &QPushButton::clicked, this, &FanGraphsWindow::fixWorkingPoint);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    return panel;
}

void FanGraphsWindow::open(const fanviews::FanCurveSet& curves, const QString& title)
{
    m_curves = curves;
    const auto pressure = drawnCurve(curves, fanviews::CurveValue::Pressure);
    m_pressureCurve->setData(ui::keysOf(pressure), ui::valuesOf(pressure), true);
    if (m_powerCurve) {
        const auto power = drawnCurve(curves, fanviews::CurveValue::Power);
        m_powerCurve->setData(ui::keysOf(power), ui::valuesOf(power), true);
    }
    setWindowTitle(title);
    showWholeChart();
    if (isVisible())
        placeAtDutyFlow();
    showMaximized();
    raise();
    activateWindow();
}

void FanGraphsWindow::showWholeChart()
{
    bool found = false;
    const QCPRange flows = m_pressureCurve->getKeyRange(found);
    if (found) {
        const double margin = (flows.upper - flows.lower) * 0.05;
        m_chart->xAxis->setRange(std::max(0.0, flows.lower - margin), flows.upper + margin);
    } else {
        m_chart->xAxis->setRange(0, 1000);
    }
    fitValueAxis(m_chart->yAxis, m_pressureCurve);
    if (m_powerCurve)
        fitValueAxis(m_chart->yAxis2, m_powerCurve);
    m_chart->replot();
}

void FanGraphsWindow::placeWorkingPoint(double flow)
{
    m_pressurePoint->data()->clear();
    m_pressureMark->setVisible(false);
    if (m_powerPoint) {
        m_powerPoint->data()->clear();
        m_powerMark->setVisible(false);
    }
    if (const auto point = workingPointAt(m_curves, flow)) {
        m_pressurePoint->addData(point->flow, point->pressure);
        showMark(m_markPlaces, m_pressureMark, point->flow, point->pressure, integerText(point->pressure));
        if (m_powerPoint) {
            m_powerPoint->addData(point->flow, point->power);
            // The power as evaluated, written with four significant digits as the grids write powers.
            showMark(m_markPlaces, m_powerMark, point->flow, point->power,
                generalText4(point->power, systemDecimalSeparator()));
        }
    }
    m_chart->replot();
}

void FanGraphsWindow::placeAtDutyFlow()
{
    placeWorkingPoint(m_curves.dutyFlow);
    m_flowField->setText(integerText(m_curves.dutyFlow));
}

std::optional<double> FanGraphsWindow::readField(QWidget* field, const QString& text)
{
    const auto value = parseNumber(text.trimmed(), systemDecimalSeparator());
    if (!value) {
        ui::showMessage(u"Ошибочная запись числа: "_s + text, ui::MessageKind::Error);
        field->setFocus();
    }
    return value;
}

void FanGraphsWindow::stepWorkingPoint(int direction)
{
    const auto flow = readField(m_flowField, m_flowField->text());
    if (!flow)
        return;
    const auto step = readField(m_stepField, m_stepField->text());
    if (!step)
        return;
    const double moved = *flow + direction * *step;
    m_flowField->setText(integerText(moved));
    placeWorkingPoint(moved);
}

void FanGraphsWindow::fixWorkingPoint()
{
    if (const auto flow = readField(m_flowField, m_flowField->text()))
        placeWorkingPoint(*flow);
}

QString FanGraphsWindow::pressureMark() const
{
    return m_pressureMark->visible() ? m_pressureMark->text() : QString();
}

QString FanGraphsWindow::powerMark() const
{
    return m_powerMark && m_powerMark->visible() ? m_powerMark->text() : QString();
}

void FanGraphsWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    placeAtDutyFlow();
}

void FanGraphsWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Coming back to the window puts the working point on the fan's own flow again.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        placeAtDutyFlow();
}

TResult_Form::TResult_Form(QWidget* parent)
    : FanGraphsWindow(
        Curves::PressureAndPower, u"ЗФН: Графики характеристик канального вентилятора:"_s, parent)
{
    setObjectName(u"Result_Form"_s);
}

TResult_FormSMK::TResult_FormSMK(QWidget* parent)
    : FanGraphsWindow(Curves::PressureOnly, u"ЗФН: Графики характеристик канального вентилятора:"_s, parent)
{
    setObjectName(u"Result_FormSMK"_s);
}
