#pragma once

#include "smoke/SmokeProject.h"
#include "smoke/SmokeWizard.h"

#include <QWidget>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTextEdit;
class RadioGroupWidget;
class SectionTableWidget;
class SpinEditWidget;

namespace ui {
class Program;
}

// The smoke-exhaust system calculation: five numbered input pages stepped through with "Далее >>" and
// "<< Назад", the report of the inputs and the calculation in the pane on the right, the report saved
// as page images, the project file, and the hand-over of the fan duty to a smoke-exhaust fan selection.
class TMDIChildSmkCalk : public QWidget {
    Q_OBJECT
public:
    TMDIChildSmkCalk(ui::Program& program, QWidget* parent = nullptr);

    // The inputs as typed, in the form the project file keeps them.
    smoke::SmokeProject inputsAsTyped() const;
    // Sets every control as if the user had typed and chosen it.
    void applyInputs(const smoke::SmokeProject& inputs);

    const smoke::SmokeWizard& wizard() const { return m_wizard; }

    QSize sizeHint() const override { return {1040, 640}; }

public Q_SLOTS:
    void nextStep();
    void previousStep();
    void proposeFirePerimeter();
    void openFanSelection();
    void saveReport();
    void loadProject();
    void saveProject();
    void showDescription();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildFirstPage();
    QWidget* buildSecondPage();
    QWidget* buildThirdPage();
    QWidget* buildFourthPage();
    QWidget* buildFifthPage();
    void updateFirstPage();
    void updateSecondPage();
    void updateThirdPage();
    void updateFifthPage();
    void updatePageButtons();
    void showReport();
    void focusField(smoke::SmokeField field);

    ui::Program& m_program;
    smoke::SmokeWizard m_wizard;

    QTabWidget* m_pages = nullptr;
    QPushButton* m_prev = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_run = nullptr;
    QTextEdit* m_report = nullptr;

    // Page 1
    QLineEdit* m_projectName = nullptr;
    QRadioButton* m_residential = nullptr;
    QRadioButton* m_other = nullptr;
    QRadioButton* m_corridor = nullptr;
    QRadioButton* m_room = nullptr;
    QRadioButton* m_snip = nullptr;
    QRadioButton* m_recommendation = nullptr;
    QRadioButton* m_reservoir = nullptr;
    QRadioButton* m_sprinkler = nullptr;
    QGroupBox* m_corridorGroup = nullptr;
    QGroupBox* m_basisGroup = nullptr;
    QGroupBox* m_reservoirGroup = nullptr;
    QGroupBox* m_doorGroup = nullptr;
    QGroupBox* m_roomGroup = nullptr;
    QGroupBox* m_curtainGroup = nullptr;
    QGroupBox* m_perimeterGroup = nullptr;
    SpinEditWidget* m_doorHeight = nullptr;
    SpinEditWidget* m_doorWidth = nullptr;
    SpinEditWidget* m_roomArea = nullptr;
    SpinEditWidget* m_roomHeight = nullptr;
    SpinEditWidget* m_curtainHeight = nullptr;
    SpinEditWidget* m_firePerimeter = nullptr;
    // Page 2
    SpinEditWidget* m_heightDifference = nullptr;
    QGroupBox* m_evacueesGroup = nullptr;
    SpinEditWidget* m_evacuees = nullptr;
    QGroupBox* m_outdoorGroup = nullptr;
    SpinEditWidget* m_outdoorTemperature = nullptr;
    SpinEditWidget* m_windSpeed = nullptr;
    SpinEditWidget* m_doorCount = nullptr;
    SpinEditWidget* m_doorArea1 = nullptr;
    SpinEditWidget* m_doorArea2 = nullptr;
    SpinEditWidget* m_doorArea3 = nullptr;
    QList<QWidget*> m_doorArea2Row;
    QList<QWidget*> m_doorArea3Row;
    RadioGroupWidget* m_combustible = nullptr;
    // Page 3
    SpinEditWidget* m_valvesPerFloor = nullptr;
    QRadioButton* m_branchYes = nullptr;
    QRadioButton* m_branchNo = nullptr;
    QList<QWidget*> m_branchRows;
    SpinEditWidget* m_branchLength = nullptr;
    SpinEditWidget* m_branchArea = nullptr;
    QLineEdit* m_valveName = nullptr;
    SpinEditWidget* m_valveArea = nullptr;
    SpinEditWidget* m_floors = nullptr;
    RadioGroupWidget* m_shaftEntry = nullptr;
    RadioGroupWidget* m_grille = nullptr;
    // Page 4
    SectionTableWidget* m_sections = nullptr;
    // Page 5
    RadioGroupWidget* m_fanType = nullptr;
    QGroupBox* m_outletHeightGroup = nullptr;
    QGroupBox* m_outletGroup = nullptr;
    SpinEditWidget* m_fanOutletHeight = nullptr;
    SpinEditWidget* m_outletLength = nullptr;
    SpinEditWidget* m_outletDiameter = nullptr;
    SpinEditWidget* m_outletResistance = nullptr;
};
