#pragma once

#include "curtains/CurtainInputs.h"
#include "ui/InputForm.h"

#include <QWidget>

class QGroupBox;
class RadioGroupWidget;
namespace ui {
class Program;
}

// The task window of an air-curtain series: the gate, the climate and the curtain's arrangement and heater.
// "Расчет" checks and computes them and shows the result in the series' shared results window. The inputs are
// kept per user between runs of the program and can be saved to and loaded from project files.
class CurtainTaskWindow : public QWidget {
    Q_OBJECT
public:
    curtains::Series series() const { return m_series; }

    // The inputs as typed, in the form the project file keeps them.
    curtains::CurtainProject inputsAsTyped() const;
    // Sets the controls; an item index outside its group selects the group's default item.
    void applyInputs(const curtains::CurtainProject& inputs);

    // The key under which every window of the series stores its inputs.
    static QString settingsKey(curtains::Series series);

    QSize sizeHint() const override { return {860, 560}; }

public Q_SLOTS:
    void run();
    void showDescription();
    void showPhoto();
    void loadProject();
    void saveProject();

protected:
    CurtainTaskWindow(ui::Program& program, curtains::Series series, QWidget* parent);
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QWidget* buildGateGroup();
    QWidget* buildChoices();
    void updateVisibility();
    RadioGroupWidget* choice(const QString& name) const;

    ui::Program& m_program;
    curtains::Series m_series;
    ui::InputForm<curtains::CurtainProject, curtains::CurtainInputs> m_form;
    QGroupBox* m_water = nullptr; // RG_W
};

class TMDIChildVozdZavesaORK : public CurtainTaskWindow {
    Q_OBJECT
public:
    explicit TMDIChildVozdZavesaORK(ui::Program& program, QWidget* parent = nullptr);
};

class TMDIChildVozdZavesaTEM : public CurtainTaskWindow {
    Q_OBJECT
public:
    explicit TMDIChildVozdZavesaTEM(ui::Program& program, QWidget* parent = nullptr);
};

class TMDIChildVozdZavesaPLN : public CurtainTaskWindow {
    Q_OBJECT
public:
    explicit TMDIChildVozdZavesaPLN(ui::Program& program, QWidget* parent = nullptr);
};
