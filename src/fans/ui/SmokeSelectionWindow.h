#pragma once

#include "fans/HandedDuty.h"
#include "fans/SmokeSelectionRequest.h"
#include "ui/HandOver.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSlider;
class RadioGroupWidget;
class SpinEditWidget;
namespace ui {
class Program;
}

// The smoke-exhaust fan selection task window: the user states the volume of smoke, the pressure and the
// gas temperature, the fire resistance required, and narrows the catalogue by group, series, impeller
// diameters and motor poles; "Подбор" runs the selection on curves rescaled to the gas, and the fans found
// appear in the smoke-exhaust fans-found window.
class TMDIChildSMK : public QWidget, public ui::Receives<fans::HandedSmokeDuty> {
    Q_OBJECT
public:
    explicit TMDIChildSMK(ui::Program& program, QWidget* parent = nullptr);

    // Chooses a group as a click on its radio button does.
    void selectGroup(fans::SmokeGroup group);
    fans::SmokeGroup group() const;
    // Fills in the duty a smoke-exhaust calculation hands over: the group of the fan, every series of it
    // ticked, the fire resistance for hot gas, flow and pressure rounded to whole numbers.
    void presetDuty(const fans::HandedSmokeDuty& duty);
    // The duty handed over by a smoke-exhaust calculation to the window the program opened for it.
    void receive(const fans::HandedSmokeDuty& duty) override { presetDuty(duty); }

    // Reads and checks the inputs; on a fault shows its message, focuses the field and returns nothing.
    std::optional<fans::SmokeSelectionRequest> readRequest();
    // "Подбор": validation, then the run with the progress window shown, then the fans-found window.
    void runSelection();

private:
    QWidget* buildSeriesColumn();
    QWidget* buildInputColumn();
    QWidget* buildSearchRange();
    QWidget* buildRangeGroup();
    QWidget* buildDutyGroup();
    void fillFromCatalogue();
    void applyGroupRule();
    void onTemperatureEdited(const QString& text);

    struct SeriesGroup {
        QRadioButton* radio = nullptr;
        QListWidget* list = nullptr;
    };
    SeriesGroup& groupControls(fans::SmokeGroup group);

    ui::Program& m_program;
    SeriesGroup m_roof;
    SeriesGroup m_radial;
    QLabel* m_roofNote = nullptr;
    QRadioButton* m_allDiameters = nullptr;
    QListWidget* m_diameters = nullptr;
    QCheckBox* m_poles[6] {};
    QSlider* m_range = nullptr;
    SpinEditWidget* m_temperature = nullptr;
    SpinEditWidget* m_flow = nullptr;
    SpinEditWidget* m_staticPressure = nullptr;
    SpinEditWidget* m_totalPressure = nullptr;
    QLabel* m_staticLabels[2] {};
    QLabel* m_totalLabels[2] {};
    RadioGroupWidget* m_fireClass = nullptr;
};
