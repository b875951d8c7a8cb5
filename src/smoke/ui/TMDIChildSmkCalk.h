#pragma once

#include "smoke/SmokeProject.h"
#include "smoke/SmokeWizard.h"
#include "ui/InputForm.h"

#include <QWidget>

class CalculationWizardFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class SectionTableWidget;

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
    // The first button of a pair of the form.
    QRadioButton* firstButton(const QString& pair) const;

    using SmokeForm = ui::InputForm<smoke::SmokeProject, smoke::SmokeValues>;

    ui::Program& m_program;
    smoke::SmokeWizard m_wizard;
    SmokeForm m_form;

    CalculationWizardFrame* m_frame = nullptr;
    QPushButton* m_run = nullptr;

    // Groups and rows shown, hidden or disabled by the visibility rules of the pages.
    QWidget* m_corridorGroup = nullptr;
    QWidget* m_basisGroup = nullptr;
    QWidget* m_reservoirGroup = nullptr;
    QGroupBox* m_doorGroup = nullptr;
    QGroupBox* m_roomGroup = nullptr;
    QGroupBox* m_curtainGroup = nullptr;
    QGroupBox* m_perimeterGroup = nullptr;
    QGroupBox* m_evacueesGroup = nullptr;
    QGroupBox* m_outdoorGroup = nullptr;
    QList<QWidget*> m_doorArea2Row;
    QList<QWidget*> m_doorArea3Row;
    QWidget* m_combustible = nullptr;
    QList<QWidget*> m_branchRows;
    QGroupBox* m_outletHeightGroup = nullptr;
    QGroupBox* m_outletGroup = nullptr;
    SectionTableWidget* m_sections = nullptr;
};
