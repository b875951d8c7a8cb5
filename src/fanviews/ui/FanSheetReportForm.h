#pragma once

#include "fans/SelectedFan.h"
#include "fans/SmokeSheet.h"
#include "fanviews/FanCurveSet.h"
#include "ui/report/ReportHostWindow.h"

#include <utility>
#include <vector>

class QCustomPlot;

namespace report {
class ReportLabel;
}

// What differs between the printed data sheets of general and smoke-exhaust fans.
struct FanSheetReportDesign {
    QString objectName;
    QString dimensionsHeading; // preset of `QRLabel37`
    std::vector<std::pair<QString, QString>> dutyLines; // caption, name of the value label
    // Per sheet row: name of its caption label (empty: unnamed) and of its value label.
    std::vector<std::pair<QString, QString>> rows;
    QString priceCaptionName; // the price line, emptied whenever the form is activated
    QString priceValueName;
};

// A printed fan data sheet: the maker's header, the fan's headings, the duty asked for, the chart of its
// pressure curve with the system curve, the duty point and the working point, the sheet's rows, the
// dimension drawing and a price line that never prints a price.
class FanSheetReportForm : public report::ReportHostWindow {
    Q_OBJECT
public:
    QCustomPlot* chart() const { return m_chart; }
    report::ReportLabel* label(const QString& name) const;
    QString labelText(const QString& name) const;
    bool hasDrawing() const;

protected:
    FanSheetReportForm(const FanSheetReportDesign& design, QWidget* parent);

    // The pressure curve in black, the system curve through the working point (`count` points in steps of
    // flow/`divisions`), the duty point asked for and the fan's working point.
    void fillChart(const fanviews::FanCurveSet& curves, const fans::SelectedFan& fan, int divisions,
        int count, const QString& leftAxisTitle);
    void fillRows(const std::vector<std::pair<QString, QString>>& rows);
    // The first of the files that loads; none leaves the picture as it was.
    void loadDrawing(const QStringList& fileNames);
    void setText(const QString& name, const QString& text);
    // Prints through the preview, filled by `fill`.
    void printFilled(const std::function<void()>& fill);

    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildLayout();
    void buildChart();
    void blankPrice();

    FanSheetReportDesign m_design;
    QCustomPlot* m_chart = nullptr;
};

// The printed data sheet of a general-ventilation fan.
class TQRep_vovazu_FORM final : public FanSheetReportForm {
    Q_OBJECT
public:
    explicit TQRep_vovazu_FORM(QWidget* parent = nullptr);

    void fill(const fans::SelectedFan& fan, const fans::FanSheetValues& values,
        const fanviews::FanCurveSet& curves);
    // Fills the form and runs its preview; returns when the preview is closed.
    void print(const fans::SelectedFan& fan, const fans::FanSheetValues& values,
        const fanviews::FanCurveSet& curves);
};

// The printed data sheet of a smoke-exhaust fan.
class TQRep_vovazu_FORMSMK final : public FanSheetReportForm {
    Q_OBJECT
public:
    explicit TQRep_vovazu_FORMSMK(QWidget* parent = nullptr);

    void fill(const fans::SelectedFan& fan, const fans::SmokeSheetValues& values,
        const fanviews::FanCurveSet& curves);
    void print(const fans::SelectedFan& fan, const fans::SmokeSheetValues& values,
        const fanviews::FanCurveSet& curves);
};
