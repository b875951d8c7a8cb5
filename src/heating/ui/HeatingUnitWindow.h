#pragma once

#include "heating/HeatingUnitForm.h"
#include "ui/InputForm.h"

#include <QWidget>

class QGroupBox;
class RadioGroupWidget;
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

    ui::Program& m_program;
    ui::InputForm<heating::HeatingUnitProject, heating::HeatingUnitInputs> m_form;
    RadioGroupWidget* m_mode = nullptr;
    RadioGroupWidget* m_buildingType = nullptr;
    QGroupBox* m_volumeGroup = nullptr;
    QGroupBox* m_demandGroup = nullptr;
};
