#pragma once

#include "calcreport/ui/PagedCalculationWindow.h"
#include "common/FormInput.h"
#include "pressurization/SupplyProject.h"
#include "pressurization/SupplyWizard.h"
#include "ui/InputForm.h"

#include <array>

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
class TMDIChildPodpor : public calcreport::PagedCalculationWindow<pressurization::SupplyWizardPages> {
    Q_OBJECT
public:
    TMDIChildPodpor(ui::Program& program, QWidget* parent = nullptr);

    pressurization::SupplyProject inputsAsTyped() const override;

    QSize sizeHint() const override { return {1060, 660}; }

public Q_SLOTS:
    // Hands the selected results row to a new general fan selection window.
    void openFanSelection();

private:
    void setInputs(const pressurization::SupplyProject& inputs) override;
    void applyPageRules(int page) override;
    void pageEntered() override;
    void showResult() override;
    void clearResult() override;
    void focusField(pressurization::SupplyField field) override;

    void buildControls();
    QWidget* buildFirstPage();
    QWidget* buildSecondPage();
    QWidget* buildSectionsPage(int fan);
    QWidget* buildResults(QWidget* parent);
    void updateSchemePage();
    void followSelectedRow();

    ui::InputForm<pressurization::SupplyProject, pressurization::SupplyValues> m_form;
    QTableWidget* m_results = nullptr;
    QPushButton* m_run = nullptr;
    bool m_resultsActive = false; // a double click on the results hands the row over

    std::array<QRadioButton*, 4> m_schemes {}; // S, J, D, Z
    QList<QWidget*> m_zoneRow;
    QLabel* m_secondFanTitle = nullptr;
    std::array<SectionTableWidget*, pressurization::supplyFanLimit> m_sections {};
};
