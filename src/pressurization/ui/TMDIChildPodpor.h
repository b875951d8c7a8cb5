#pragma once

#include "common/FormInput.h"
#include "pressurization/SupplyProject.h"
#include "pressurization/SupplyWizard.h"
#include "ui/InputForm.h"

#include <QWidget>
#include <array>

class CalculationWizardFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;
class SectionTableWidget;

namespace ui {
class Program;
}

// The pressurization (smoke-protection supply) calculation: numbered input pages stepped through with
// "Далее >>" and "<< Назад" (pages 4 and 5 only for the schemes with a second and third fan), the
// report of the inputs and the calculation in the pane on the right, the report saved as page images,
// the project file, and the flow and pressure of each fan in a results table from which any row is
// handed to a general fan selection for pressurization fans.
class TMDIChildPodpor : public QWidget {
    Q_OBJECT
public:
    TMDIChildPodpor(ui::Program& program, QWidget* parent = nullptr);

    // The inputs as typed, in the form the project file keeps them.
    pressurization::SupplyProject inputsAsTyped() const;
    // Sets every control as if the user had typed and chosen it; page 1 becomes current.
    void applyInputs(const pressurization::SupplyProject& inputs);

    const pressurization::SupplyWizard& wizard() const { return m_wizard; }

    QSize sizeHint() const override { return {1060, 660}; }

public Q_SLOTS:
    void nextStep();
    void previousStep();
    // Hands the selected results row to a new general fan selection window.
    void openFanSelection();
    void saveReport();
    void loadProject();
    void saveProject();
    void showDescription();

private:
    void buildControls();
    QWidget* buildFirstPage();
    QWidget* buildSecondPage();
    QWidget* buildSectionsPage(int fan);
    QWidget* buildResults(QWidget* parent);
    void updateSchemePage();
    void updatePageButtons();
    void showReport();
    void showResults();
    void clearResults();
    void followSelectedRow();
    void focusField(pressurization::SupplyField field);

    ui::Program& m_program;
    pressurization::SupplyWizard m_wizard;
    ui::InputForm<pressurization::SupplyProject, pressurization::SupplyValues> m_form;

    CalculationWizardFrame* m_frame = nullptr;
    QTableWidget* m_results = nullptr;
    QPushButton* m_run = nullptr;
    bool m_resultsActive = false; // a double click on the results hands the row over

    std::array<QRadioButton*, 4> m_schemes {}; // S, J, D, Z
    QList<QWidget*> m_zoneRow;
    QLabel* m_secondFanTitle = nullptr;
    std::array<SectionTableWidget*, pressurization::supplyFanLimit> m_sections {};
};
