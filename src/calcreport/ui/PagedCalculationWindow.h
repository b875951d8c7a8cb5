#pragma once

#include "calcreport/PagedCalculation.h"
#include "calcreport/ui/CalculationWizardFrame.h"
#include "common/NumberText.h"
#include "common/ProjectFile.h"
#include "ui/DescriptionItem.h"
#include "ui/Messages.h"
#include "ui/Program.h"
#include "ui/ProjectFileDialogs.h"

#include <QAction>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

namespace calcreport {

// The window of a paged calculation (`TMDIChildSmkCalk`, `TMDIChildPodpor`) on a CalculationWizardFrame:
// "Далее >>" and "<< Назад" step the calculation and the report pane follows it, "Отчет в файл" saves the
// report, the menu "Файл" and the buttons beside the project name load and save the project file,
// "Описание" shows the method. The window builds its pages into frame()->pages and gives the rules of its
// controls through the hooks below.
template <class Pages> class PagedCalculationWindow : public QWidget {
public:
    using Calculation = PagedCalculation<Pages>;
    using Project = typename Pages::Project;
    using Field = typename Pages::Field;

    const Calculation& wizard() const { return m_calculation; }

    // The inputs as typed, in the form the project file keeps them.
    virtual Project inputsAsTyped() const = 0;
    // Sets every control as if the user had typed and chosen it; page 1 becomes current.
    void applyInputs(const Project& project)
    {
        setInputs(project);
        m_calculation.restart();
        showPage();
    }

    // "Далее >>": the page's rules, then its step; on the last page the calculation.
    void nextStep()
    {
        applyPageRules(m_calculation.page());
        clearResult();
        const auto step = m_calculation.next(inputsAsTyped(), systemDecimalSeparator());
        showReport();
        for (const QString& message : step.messages)
            ui::showMessage(message, ui::MessageKind::Warning);
        focusField(step.focus);
        if (!step.ok)
            return;
        if (step.calculated) {
            showResult();
            return;
        }
        pageEntered();
        showPage();
    }
    // "<< Назад": one page back; the result goes with it when the calculation drops it.
    void previousStep()
    {
        m_calculation.back();
        if (!m_calculation.result())
            clearResult();
        showPage();
    }
    void saveReport()
    {
        m_frame->saveReportPages(m_calculation.report().document(), inputsAsTyped().projectName);
    }
    void loadProject()
    {
        if (const std::optional<Project> project = ui::openProjectFile(this, m_fileKind))
            applyInputs(*project);
    }
    void saveProject() { ui::saveProjectFileAs(this, m_fileKind, inputsAsTyped()); }
    void showDescription() { m_program.showDescription(m_description); }

protected:
    // The frame is laid out with an input panel `inputWidth` pixels wide; its buttons are connected.
    PagedCalculationWindow(ui::Program& program, int inputWidth, const ProjectFileKind<Project>& fileKind,
        ui::DescriptionItem description, QWidget* parent)
        : QWidget(parent)
        , m_program(program)
        , m_frame(new CalculationWizardFrame(this, inputWidth))
        , m_fileKind(fileKind)
        , m_description(std::move(description))
    {
        setAttribute(Qt::WA_DeleteOnClose);
        connect(m_frame->next, &QPushButton::clicked, this, [this] { nextStep(); });
        connect(m_frame->prev, &QPushButton::clicked, this, [this] { previousStep(); });
        connect(m_frame->description, &QPushButton::clicked, this, [this] { showDescription(); });
        connect(m_frame->saveReport, &QPushButton::clicked, this, [this] { saveReport(); });
        connect(m_frame->openProject, &QAction::triggered, this, [this] { loadProject(); });
        connect(m_frame->saveProject, &QAction::triggered, this, [this] { saveProject(); });
        m_frame->listRecentProjects(m_fileKind.suffix, [this](const QString& path) {
            if (const std::optional<Project> project = ui::openProjectPath(m_fileKind, path))
                applyInputs(*project);
        });
    }

    // Sets the controls from the project and runs the rules of every page.
    virtual void setInputs(const Project& project) = 0;
    // The rules of a page that run before its step reads it.
    virtual void applyPageRules(int page) = 0;
    // The rules that follow from what the step read, once the next page is shown.
    virtual void pageEntered() = 0;
    // The result of the calculation is shown and can be handed on, or is gone.
    virtual void showResult() = 0;
    virtual void clearResult() = 0;
    virtual void focusField(Field field) = 0;

    void showReport() { m_frame->showReport(m_calculation.report().document()); }
    // The current page with "<< Назад" and "Далее >>" (on the last page "Расчет").
    void showPage()
    {
        const int page = m_calculation.page();
        m_frame->pages->setCurrentIndex(page - 1);
        m_frame->prev->setEnabled(page > 1);
        m_frame->next->setText(
            page == m_calculation.lastPage() ? QStringLiteral("Расчет") : QStringLiteral("Далее >>"));
    }

    ui::Program& m_program;
    CalculationWizardFrame* m_frame;

private:
    Calculation m_calculation;
    const ProjectFileKind<Project>& m_fileKind;
    ui::DescriptionItem m_description;
};

} // namespace calcreport
