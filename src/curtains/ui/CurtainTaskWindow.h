#pragma once

#include "curtains/CurtainInputs.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLineEdit;
class QRadioButton;
class RadioGroupWidget;
class SpinEditWidget;
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
    enum Box { B, H, Tv, Tn, Tc, V, Tw1, Tw2, BoxCount };

    void buildControls();
    QWidget* buildGateGroup();
    QWidget* buildChoices();
    void updateVisibility();
    void focusField(curtains::CurtainField field);
    void readStoredInputs();
    void writeStoredInputs() const;

    ui::Program& m_program;
    curtains::Series m_series;
    QLineEdit* m_projectName = nullptr;
    std::array<SpinEditWidget*, BoxCount> m_boxes {};
    RadioGroupWidget* m_placement = nullptr; // RadioGroupb_v
    RadioGroupWidget* m_posts = nullptr; // RadioGroupb1_b2
    RadioGroupWidget* m_building = nullptr; // RadioGroupTip
    RadioGroupWidget* m_heater = nullptr; // RG_Tip
    RadioGroupWidget* m_rows = nullptr; // RG_2_3 (ОРК, ТЕМ)
    RadioGroupWidget* m_power = nullptr; // RG_P1_P2 (ОРК)
    RadioGroupWidget* m_limit = nullptr; // RG (ТЕМ)
    RadioGroupWidget* m_smallest = nullptr; // RG_I (ТЕМ)
    QRadioButton* m_yes = nullptr; // RB_YES (ПЛН)
    QRadioButton* m_no = nullptr; // RB_NO (ПЛН)
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
