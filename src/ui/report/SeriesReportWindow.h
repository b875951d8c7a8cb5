#pragma once

#include "ui/report/ReportHostWindow.h"

#include <QVector>
#include <vector>

class QCustomPlot;
class QCPGraph;
class QCPItemText;
namespace ui {
class ChartLabels;
}

namespace report {

class ReportLabel;

// One column of the series table: where it starts, its two title lines and the field it prints.
struct SeriesReportColumn {
    double fromMm = 0.0;
    QString title; // upper title line (empty under a group title)
    QString subTitle; // lower title line
    QString field;
};

// What differs between the series overview forms of general and smoke-exhaust fans.
struct SeriesReportDesign {
    PageSetup page;
    double logoLeftMm = 0.0;
    double makerLeftMm = 0.0;
    double ruleFromMm = 0.0;
    double ruleToMm = 0.0;
    double titleLeftMm = 0.0;
    double chartLeftMm = 0.0;
    QString bottomAxisTitle;
    QString leftAxisTitle;
    double axisTitlePointSize = 10.0;
    std::vector<SeriesReportColumn> columns; // the last one is the price column
    int groupFirstColumn = 0; // the two columns under the group title
    QString groupTitle;
    double detailHeightMm = 6.0;
};

// The series overview printed form: the maker's header, the chart of all fans of a series (a black curve
// and a numbered label each; 35 of each are ready, a larger series gets more) and one table row per fan
// from the working table `ventutil`. Prices are never printed: the price column keeps its rules and
// nothing else.
class SeriesReportWindow : public ReportHostWindow {
    Q_OBJECT
public:
    static constexpr int kCurveSlots = 35;

    explicit SeriesReportWindow(const SeriesReportDesign& design, QWidget* parent = nullptr);
    ~SeriesReportWindow() override;

    QCustomPlot* chart() const { return m_chart; }
    ReportLabel* titleLabel() const; // `QRLabelName`

    // Empties every curve and label.
    void clearChart();
    int curveSlots() const { return int(m_curves.size()); }
    // The curve of fan `index` (0-based), drawn in black.
    void setCurve(int index, const QVector<double>& flows, const QVector<double>& pressures);
    // The label of fan `index`: a point at (flow, pressure) with a framed mark, normally the row number.
    void setMark(int index, double flow, double pressure, const QString& text);
    QCPItemText* mark(int index) const;
    void setLeftAxisTitle(const QString& title);

protected:
    // Empties both price titles.
    void blankPriceTitles();
    // Stops the price text from printing the table's `Money`.
    void unbindPrice();
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout(const SeriesReportDesign& design);
    void buildChart(const SeriesReportDesign& design);
    void ensureSlots(int count);

    QCustomPlot* m_chart = nullptr;
    std::vector<QCPGraph*> m_curves; // fan k at k
    std::vector<QCPGraph*> m_points;
    std::vector<QCPItemText*> m_marks;
    ui::ChartLabels* m_labels = nullptr;
};

} // namespace report
