#pragma once

#include "heating/HeatingUnitProject.h"

#include <QWidget>

class QLineEdit;
class QGroupBox;
class QPushButton;
class RadioGroupWidget;
class SpinEditWidget;
namespace ui {
class Program;
}

// The task window that sizes ЛУМА air-heating units for a building: it reads the temperatures and the
// building's volume or the given heat demand, runs the calculation for all six models and shows them in
// the shared results window. Its inputs are kept per user between runs of the program and can be saved
// to and loaded from *.lumaprj project files.
class TMDIChildVozdAgregatLUMA : public QWidget {
    Q_OBJECT
public:
    explicit TMDIChildVozdAgregatLUMA(ui::Program& program, QWidget* parent = nullptr);

    // The inputs as typed, in the form the project file keeps them.
    heating::HeatingUnitProject inputsAsTyped() const;
    void applyInputs(const heating::HeatingUnitProject& inputs);

    // The key under which every window of this kind stores its inputs.
    static QString settingsKey();

    QSize sizeHint() const override { return {722, 633}; }

public Q_SLOTS:
    void run();
    void showDescription();
    void loadProject();
    void saveProject();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void updateModeGroups();
    void readStoredInputs();
    void writeStoredInputs() const;

    ui::Program& m_program;
    QLineEdit* m_projectName = nullptr;
    SpinEditWidget* m_tn = nullptr;
    SpinEditWidget* m_tv = nullptr;
    SpinEditWidget* m_tw1 = nullptr;
    SpinEditWidget* m_tw2 = nullptr;
    SpinEditWidget* m_volume = nullptr;
    SpinEditWidget* m_gains = nullptr;
    SpinEditWidget* m_demand = nullptr;
    RadioGroupWidget* m_angle = nullptr;
    RadioGroupWidget* m_mode = nullptr;
    RadioGroupWidget* m_buildingType = nullptr;
    QGroupBox* m_volumeGroup = nullptr;
    QGroupBox* m_demandGroup = nullptr;
};
