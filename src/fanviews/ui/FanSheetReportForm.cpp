#include "fanviews/ui/FanSheetReportForm.h"

#include "common/NumberText.h"
#include "common/ProgramFolder.h"
#include "fanviews/FanKind.h"
#include "fanviews/FanPictures.h"
#include "printing/MakerHeader.h"
#include "ui/ChartPoints.h"
#include "ui/report/CustomPlot.h"
#include "ui/report/PrintedForm.h"
#include "ui/report/ReportChart.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

using report::textStyle;
using report::TextStyle;

constexpr double printableWidth = 210.0 - 2 * 12.7;
constexpr double dutyTop = 15.0;
constexpr double dutyLineHeight = 5.0;
constexpr double chartTop = 32.0;
constexpr double chartWidth = 150.0;
constexpr double chartHeight = 80.0;
constexpr double rowsTop = chartTop + chartHeight + 3.0;
constexpr double rowHeight = 4.5;
constexpr double valueLeft = 128.0;

enum ChartSeries { PressureCurve, SystemCurve, WorkingPoint, DutyPoint };

} // namespace

FanSheetReportForm::FanSheetReportForm(const FanSheetReportDesign& design, QWidget* parent)
    : report::ReportHostWindow(parent)
    , m_design(design)
{
    setObjectName(design.objectName);
    setWindowTitle(u"Вывод результатов расчета"_s);
    buildChart();
    buildLayout();

    layOutWithButtons();
    // The chart lives in the form only to be painted onto the pages.
    m_chart->setParent(this);
    m_chart->hide();
    resize(820, 900);
}

void FanSheetReportForm::buildChart()
{
    m_chart = new QCustomPlot;
    m_chart->setObjectName(u"QRChart"_s);
    m_chart->legend->setVisible(false);
    m_chart->resize(1100, 590);
    const QFont axisFont(u"Arial"_s, 10, QFont::Bold);
    m_chart->xAxis->setLabel(u"Расход воздуха, м3/час"_s);
    m_chart->xAxis->setLabelFont(axisFont);
    m_chart->yAxis->setLabelFont(axisFont);
    QCPGraph* curve = m_chart->addGraph();
    curve->setObjectName(u"Series1"_s);
    curve->setPen(QPen(Qt::black, 2));
    QCPGraph* system = m_chart->addGraph();
    system->setObjectName(u"Series2"_s);
    system->setPen(QPen(QColor(128, 0, 128), 1.5, Qt::DashLine));
    QCPGraph* working = m_chart->addGraph();
    working->setObjectName(u"Series3"_s);
    working->setLineStyle(QCPGraph::lsNone);
    working->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(Qt::black), QBrush(Qt::red), 9));
    QCPGraph* duty = m_chart->addGraph();
    duty->setObjectName(u"Series4"_s);
    duty->setLineStyle(QCPGraph::lsNone);
    duty->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDiamond, QPen(Qt::black), QBrush(Qt::blue), 10));
}

void FanSheetReportForm::buildLayout()
{
    report::Report& r = report();
    r.page = report::PageSetup::a4({12.7, 12.7, 12.7, 12.7});

    report::ReportBand& head = r.band(report::BandKind::PageHeader, 20.0);
    head.add<report::ReportPicture>(QRectF(0, 0, 23.8, 11.9)).setImage(report::makerLogo());
    head.add<report::ReportLabel>(QRectF(30, 0.5, 120, 7), report::makerLine(), textStyle(12, true));
    head.add<report::ReportLabel>(QRectF(30, 7.5, 80, 5), report::makerWebAddress(), textStyle(9, true));
    head.add<report::ReportLine>(QLineF(0, 16, printableWidth, 16), 0.4);

    const double rowsHeight = double(m_design.rows.size()) * rowHeight;
    const double drawingTop = rowsTop + rowsHeight + 10.0;
    report::ReportBand& body = r.band(report::BandKind::Detail, 250.0);
    body.add<report::ReportLabel>(
            QRectF(0, 0, printableWidth, 7), QString(), textStyle(12, true, Qt::AlignCenter))
        .setName(u"QRLabel7"_s);
    body.add<report::ReportLabel>(
            QRectF(0, 7, printableWidth, 7), QString(), textStyle(12, true, Qt::AlignCenter))
        .setName(u"QRLabel6"_s);
    // A sheet of a catalogue fan has no duty asked for.
    if (!m_design.dutyLines.empty())
        body.add<report::ReportLabel>(
            QRectF(0, dutyTop, 40, dutyLineHeight), u"Требуемый режим:"_s, textStyle(10, true));
    for (size_t i = 0; i < m_design.dutyLines.size(); ++i) {
        const double top = dutyTop + double(i) * dutyLineHeight;
        const auto& [caption, valueName] = m_design.dutyLines[i];
        body.add<report::ReportLabel>(QRectF(42, top, 85, dutyLineHeight), caption, textStyle(10, false));
        body.add<report::ReportLabel>(
                QRectF(valueLeft, top, 40, dutyLineHeight), QString(), textStyle(10, true))
            .setName(valueName);
    }
    const QRectF chartRect((printableWidth - chartWidth) / 2, chartTop, chartWidth, chartHeight);
    body.add<report::ReportChart>(chartRect, m_chart);
    body.add<report::ReportFrame>(chartRect, report::ReportFrame::All, 0.3);

    body.add<report::ReportFrame>(
        QRectF(0, rowsTop, printableWidth, rowsHeight), report::ReportFrame::All, 0.3);
    body.add<report::ReportLine>(QLineF(valueLeft - 2, rowsTop, valueLeft - 2, rowsTop + rowsHeight));
    for (size_t i = 0; i < m_design.rows.size(); ++i) {
        const double top = rowsTop + double(i) * rowHeight;
        if (i > 0)
            body.add<report::ReportLine>(QLineF(0, top, printableWidth, top), 0.15);
        const auto& [captionName, valueName] = m_design.rows[i];
        auto& caption = body.add<report::ReportLabel>(
            QRectF(2, top, valueLeft - 5, rowHeight), QString(), textStyle(9, false));
        caption.setName(captionName.isEmpty() ? u"QRRowCaption%1"_s.arg(i) : captionName);
        body.add<report::ReportLabel>(QRectF(valueLeft, top, printableWidth - valueLeft - 2, rowHeight),
                QString(), textStyle(9, true))
            .setName(valueName);
    }
    body.add<report::ReportLabel>(
            QRectF(0, drawingTop - 7, printableWidth, 6), m_design.dimensionsHeading, textStyle(11, true))
        .setName(u"QRLabel37"_s);
    body.add<report::ReportPicture>(QRectF(0, drawingTop, printableWidth, 248.0 - drawingTop))
        .setName(u"QRImageRasm"_s);
}

report::ReportLabel* FanSheetReportForm::label(const QString& name) const
{
    return report().elementAs<report::ReportLabel>(name);
}

QString FanSheetReportForm::labelText(const QString& name) const
{
    const report::ReportLabel* l = label(name);
    return l ? l->text() : QString();
}

void FanSheetReportForm::setText(const QString& name, const QString& text)
{
    if (report::ReportLabel* l = label(name))
        l->setText(text);
}

bool FanSheetReportForm::hasDrawing() const
{
    const auto* picture = report().elementAs<report::ReportPicture>(u"QRImageRasm"_s);
    return picture && !picture->image().isNull();
}

void FanSheetReportForm::fillChart(const fanviews::FanCurveSet& curves, const fans::SelectedFan& fan,
    int divisions, int count, const QString& leftAxisTitle)
{
    const auto pressure = drawnCurve(curves, fanviews::CurveValue::Pressure);
    m_chart->graph(PressureCurve)->setData(ui::keysOf(pressure), ui::valuesOf(pressure), true);
    const auto system = fanviews::systemCurve(fan.flow, fan.pressure, divisions, count);
    m_chart->graph(SystemCurve)->setData(ui::keysOf(system), ui::valuesOf(system), true);
    // A fan without a working point (a catalogue fan) shows its curve alone.
    if (fan.flow > 0) {
        m_chart->graph(WorkingPoint)->setData({fan.flow}, {roundHalfEven(fan.pressure)});
        m_chart->graph(DutyPoint)->setData({fan.requiredFlow}, {fan.requiredPressure});
    } else {
        m_chart->graph(WorkingPoint)->data()->clear();
        m_chart->graph(DutyPoint)->data()->clear();
    }
    m_chart->yAxis->setLabel(leftAxisTitle);
    m_chart->rescaleAxes();
    m_chart->xAxis->setRangeLower(0);
    m_chart->yAxis->setRangeLower(0);
    m_chart->yAxis->setRangeUpper(m_chart->yAxis->range().upper * 1.08);
    m_chart->replot();
}

void FanSheetReportForm::fillRows(const std::vector<std::pair<QString, QString>>& rows)
{
    for (size_t i = 0; i < m_design.rows.size(); ++i) {
        const auto& [captionName, valueName] = m_design.rows[i];
        const auto row = i < rows.size() ? rows[i] : std::pair<QString, QString>();
        setText(captionName.isEmpty() ? u"QRRowCaption%1"_s.arg(i) : captionName, row.first);
        setText(valueName, row.second);
    }
}

void FanSheetReportForm::loadDrawing(const QStringList& fileNames)
{
    auto* picture = report().elementAs<report::ReportPicture>(u"QRImageRasm"_s);
    for (const QString& name : fileNames) {
        QImage image;
        const QString path = programFilePath(name);
        if (QFileInfo::exists(path) && image.load(path)) {
            picture->setImage(image);
            return;
        }
    }
}

void FanSheetReportForm::printFilled(const std::function<void()>& fill)
{
    report::runPrintedForm(*this, fill);
}

void FanSheetReportForm::blankPrice()
{
    setText(m_design.priceCaptionName, QString());
    setText(m_design.priceValueName, QString());
}

void FanSheetReportForm::changeEvent(QEvent* event)
{
    report::ReportHostWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        blankPrice();
}

void FanSheetReportForm::showEvent(QShowEvent* event)
{
    blankPrice();
    report::ReportHostWindow::showEvent(event);
}

namespace {

FanSheetReportDesign generalDesign()
{
    FanSheetReportDesign design;
    design.objectName = u"QRep_vovazu_FORM"_s;
    design.dimensionsHeading = u"Основные размеры канального вентилятора:"_s;
    design.dutyLines = {{u"Требуемый расход воздуха - Q, м3/час:"_s, u"QRLabel12"_s},
        {u"Требуемое давление - P, Па:"_s, u"QRLabel15"_s}};
    const char16_t* values[]
        = {u"QRLabel23", u"QRLabel24", u"QRLabel25", u"QRLabel26", u"QRLabel27", u"QRLabel29", u"QRLabel30",
            u"QRLabel32", u"QRLabel33", u"QRLabel34", u"QRLabel35", u"QRLabel22", u"QRLabel31", u"QRLabel36"};
    for (const char16_t* value : values)
        design.rows.emplace_back(QString(), QString::fromUtf16(value));
    design.rows[1].first = u"QRLabel8"_s; // the pressure caption: total or static
    design.rows[13].first = u"QRLabel21"_s;
    design.priceCaptionName = u"QRLabel21"_s;
    design.priceValueName = u"QRLabel36"_s;
    return design;
}

FanSheetReportDesign smokeDesign()
{
    FanSheetReportDesign design;
    design.objectName = u"QRep_vovazu_FORMSMK"_s;
    design.dimensionsHeading = u"Основные размеры вентилятора дымоудаления:"_s;
    design.dutyLines = {{u"Температура удаляемого дыма, °C:"_s, u"QRLabel11"_s},
        {u"Требуемый объем удаляемого дыма, м3/час:"_s, u"QRLabel15"_s},
        {u"Требуемое давление, Па:"_s, u"QRLabel17"_s}};
    const char16_t* values[] = {u"QRLabel23", u"QRLabel24", u"QRLabel25", u"QRLabel26", u"QRLabel29",
        u"QRLabel30", u"QRLabel32", u"QRLabel19", u"QRLabel22", u"QRLabel36", u"QRLabel38"};
    for (const char16_t* value : values)
        design.rows.emplace_back(QString(), QString::fromUtf16(value));
    design.rows[6].first = u"QRLabel16"_s; // fire resistance at 400 or 600 °C
    design.rows[9].first = u"QRLabel20"_s;
    design.priceCaptionName = u"QRLabel20"_s;
    design.priceValueName = u"QRLabel36"_s;
    return design;
}

} // namespace

TQRep_vovazu_FORM::TQRep_vovazu_FORM(QWidget* parent)
    : FanSheetReportForm(generalDesign(), parent)
{
}

void TQRep_vovazu_FORM::fill(
    const fans::SelectedFan& fan, const fans::FanSheetValues& values, const fanviews::FanCurveSet& curves)
{
    const fanviews::FanKind kind = fanviews::fanKindOf(fan.designation);
    report().title = fanviews::printTitlePrefix(kind) + fan.designation;
    setText(u"QRLabel7"_s, fanviews::printCharacteristicsHeading(kind));
    setText(u"QRLabel37"_s, fanviews::printDimensionsHeading(kind));
    setText(u"QRLabel6"_s, fan.designation);
    setText(u"QRLabel12"_s, values.requiredFlowText);
    setText(u"QRLabel15"_s, values.requiredPressureText);
    fillRows(values.rows);
    setText(u"QRLabel8"_s, values.pressureLabel);
    fillChart(curves, fan, 20, 22, values.chartPressureTitle);
    loadDrawing(fanviews::drawingFileNames(fan.designation));
}

void TQRep_vovazu_FORM::print(
    const fans::SelectedFan& fan, const fans::FanSheetValues& values, const fanviews::FanCurveSet& curves)
{
    printFilled([&] { fill(fan, values, curves); });
}

TQRep_vovazu_FORMSMK::TQRep_vovazu_FORMSMK(QWidget* parent)
    : FanSheetReportForm(smokeDesign(), parent)
{
}

void TQRep_vovazu_FORMSMK::fill(
    const fans::SelectedFan& fan, const fans::SmokeSheetValues& values, const fanviews::FanCurveSet& curves)
{
    report().title = u"ЗФН: Печать характеристик вентилятора дымоудаления:  "_s + fan.designation;
    setText(u"QRLabel7"_s, u"Характеристики вентилятора дымоудаления"_s);
    setText(u"QRLabel6"_s, fan.designation);
    setText(u"QRLabel11"_s, values.gasTemperatureText);
    setText(u"QRLabel15"_s, values.requiredFlowText);
    setText(u"QRLabel17"_s, values.requiredPressureText);
    fillRows(values.rows);
    setText(u"QRLabel16"_s, values.printedFireLabel);
    setText(u"QRLabel20"_s, values.printedPriceCaption);
    fillChart(curves, fan, 30, 32, values.chartPressureTitle);
    loadDrawing(fanviews::drawingFileNames(fan.designation));
}

void TQRep_vovazu_FORMSMK::print(
    const fans::SelectedFan& fan, const fans::SmokeSheetValues& values, const fanviews::FanCurveSet& curves)
{
    printFilled([&] { fill(fan, values, curves); });
}
