#pragma once

#include "fanviews/FanCurveSet.h"

#include <QWidget>

class QCustomPlot;
class QCPGraph;
class QCPItemText;
class QLineEdit;
class SpinEditWidget;
namespace ui {
class ChartLabels;
}

// The characteristic graphs of one fan: pressure (left axis) and power (right axis) against flow, with
// the working point marked on both. The user moves the working point by a step or types its flow; each
// activation puts it back on the fan's own flow. The general and the smoke-exhaust windows differ only in
// the curves they show (the smoke-exhaust one has no power curve).
class FanGraphsWindow : public QWidget {
    Q_OBJECT
public:
    // Shows the curves under the title, maximised; the working point goes to the curves' duty flow.
    void open(const fanviews::FanCurveSet& curves, const QString& title);
    const fanviews::FanCurveSet& curves() const { return m_curves; }

    // Puts the working point at a flow; a flow outside the curve shows none.
    void placeWorkingPoint(double flow);
    // ">>" (+1) and "<<" (−1): the flow field moves by the step and the point follows.
    void stepWorkingPoint(int direction);
    // "( | )": the point goes to the flow typed in the field.
    void fixWorkingPoint();

    QCustomPlot* chart() const { return m_chart; }
    QCPGraph* pressureCurve() const { return m_pressureCurve; }
    QCPGraph* powerCurve() const { return m_powerCurve; } // nullptr without a power curve
    QCPGraph* pressurePoint() const { return m_pressurePoint; }
    QCPGraph* powerPoint() const { return m_powerPoint; } // nullptr without a power curve
    QString pressureMark() const; // the value marks of the working point ("" when none is drawn)
    QString powerMark() const;

protected:
    enum class Curves { PressureAndPower, PressureOnly };
    FanGraphsWindow(Curves curves, const QString& caption, QWidget* parent);

    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildChart(Curves curves);
    QWidget* buildBottomPanel();
    void placeAtDutyFlow();
    std::optional<double> readField(QWidget* field, const QString& text);
    void showWholeChart();

    fanviews::FanCurveSet m_curves;
    QCustomPlot* m_chart = nullptr;
    QCPGraph* m_pressureCurve = nullptr;
    QCPGraph* m_powerCurve = nullptr;
    QCPGraph* m_pressurePoint = nullptr;
    QCPGraph* m_powerPoint = nullptr;
    QCPItemText* m_pressureMark = nullptr;
    QCPItemText* m_powerMark = nullptr;
    ui::ChartLabels* m_markPlaces = nullptr; // keeps the two marks inside the plot and apart
    QLineEdit* m_flowField = nullptr;
    SpinEditWidget* m_stepField = nullptr;
};

// The graphs of a general-ventilation fan, opened from its data sheet.
class TResult_Form final : public FanGraphsWindow {
    Q_OBJECT
public:
    explicit TResult_Form(QWidget* parent = nullptr);
};

// The graphs of a smoke-exhaust fan: the pressure curve and its working point only.
class TResult_FormSMK final : public FanGraphsWindow {
    Q_OBJECT
public:
    explicit TResult_FormSMK(QWidget* parent = nullptr);
};
