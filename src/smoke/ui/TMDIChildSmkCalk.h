#pragma once

#include "calcreport/ui/PagedCalculationWindow.h"
#include "smoke/SmokeProject.h"
#include "smoke/SmokeWizard.h"
#include "ui/InputForm.h"

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
class TMDIChildSmkCalk : public calcreport::PagedCalculationWindow<smoke::SmokeWizardPages> {
    Q_OBJECT
public:
    TMDIChildSmkCalk(ui::Program& program, QWidget* parent = nullptr);

    smoke::SmokeProject inputsAsTyped() const override;

    QSize sizeHint() const override { return {1040, 640}; }

public Q_SLOTS:
    void proposeFirePerimeter();
    void openFanSelection();

private:
    void setInputs(const smoke::SmokeProject& inputs) override;
    void applyPageRules(int page) override;
    void pageEntered() override;
    void showResult() override;
    void clearResult() override;
    void focusField(smoke::SmokeField field) override;

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
    // The first button of a pair of the form.
    QRadioButton* firstButton(const QString& pair) const;

    using SmokeForm = ui::InputForm<smoke::SmokeProject, smoke::SmokeValues>;

    SmokeForm m_form;
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
