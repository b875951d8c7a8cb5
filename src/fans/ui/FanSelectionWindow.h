#pragma once

#include "fans/HandedDuty.h"
#include "fans/SelectionRequest.h"
#include "ui/HandOver.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class FanSearchControls;
class SpinEditWidget;
namespace ui {
class Program;
}

// The general-ventilation fan selection task window: the user states the duty point, narrows the
// catalogue by fan group, series, impeller diameters, duct sizes, motor poles and phases, and
// "Подбор" runs the selection; the fans found appear in the shared fans-found window.
class TMDIChild : public QWidget, public ui::Receives<fans::HandedDuty> {
    Q_OBJECT
public:
    explicit TMDIChild(ui::Program& program, QWidget* parent = nullptr);

    // Chooses a fan group as a click on its radio button does.
    void selectGroup(fans::FanGroup group);
    fans::FanGroup group() const;
    // Fills in a duty handed over by a calculation window: group, pressure kind, flow and pressure.
    void presetDuty(double flow, double pressure, fans::FanGroup group, fans::PressureKind kind);
    // The duty of a pressurization fan handed over by a pressurization calculation: pressurization fans
    // with every series ticked, static pressure, flow and pressure rounded to whole numbers.
    void receive(const fans::HandedDuty& duty) override;

    // Reads and checks the inputs; on a fault shows its message, focuses the field and returns nothing.
    std::optional<fans::SelectionRequest> readRequest();
    // "Подбор": validation, then the run with the progress window shown, then the fans-found window. With
    // "С регулированием частоты вращения" ticked the run selects fans at a reduced speed, ranked by power.
    void runSelection();

private:
    void tickAllSeries(fans::FanGroup group);
    QWidget* buildSeriesColumn();
    QWidget* buildInputColumn();
    QGroupBox* buildDutyGroup();
    QLayout* buildSpeedControlRow();
    void runSpeedControlled(const fans::SelectionRequest& request);
    void fillFromCatalogue();
    void applyGroupRule();
    void applyPressureRule();
    void toggleAll(QPushButton* button, QListWidget* list);

    struct SeriesGroup {
        QRadioButton* radio = nullptr;
        QPushButton* tickAll = nullptr;
        QListWidget* list = nullptr;
    };
    SeriesGroup& groupControls(fans::FanGroup group);

    ui::Program& m_program;
    SeriesGroup m_duct;
    SeriesGroup m_roof;
    SeriesGroup m_pressurization;
    FanSearchControls* m_search = nullptr;
    SpinEditWidget* m_flow = nullptr;
    QRadioButton* m_totalPressure = nullptr;
    SpinEditWidget* m_pressure = nullptr;
    QLabel* m_pressureUnit = nullptr;
    QLabel* m_staticPressureUnit = nullptr;
    QRadioButton* m_staticPressure = nullptr;
    SpinEditWidget* m_staticPressureBox = nullptr;
    QCheckBox* m_speedControl = nullptr;
    QSpinBox* m_minSpeed = nullptr;
};
