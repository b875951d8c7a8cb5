#pragma once

#include <QChar>
#include <QStringList>
#include <optional>

// What the paged calculation inputs (smoke exhaust, pressurization) share: one "Далее" step, and running
// every step of a project as the window's "Далее" would.
namespace calcreport {

template <class Field> struct WizardStep {
    bool ok = false;
    int page = 1; // the page the step ran on
    bool calculated = false; // the step was the calculation and it gave a result
    QStringList messages; // shown one after another
    Field focus = Field::None;
};

template <class Wizard> struct WizardRun {
    Wizard wizard;
    QStringList messages; // every message shown on the way
    std::optional<int> stoppedAtPage;
};

// Steps through every page up to the calculation or the first step that fails.
template <class Wizard, class Project>
WizardRun<Wizard> runToCalculation(const Project& project, QChar decimalSeparator)
{
    WizardRun<Wizard> run;
    while (true) {
        const auto step = run.wizard.next(project, decimalSeparator);
        run.messages << step.messages;
        if (!step.ok) {
            run.stoppedAtPage = step.page;
            return run;
        }
        if (step.calculated)
            return run;
    }
}

} // namespace calcreport
