#pragma once

#include "calcreport/PagedCalculation.h"
#include "smoke/SmokeCalculation.h"
#include "smoke/SmokeDuty.h"
#include "smoke/SmokePages.h"

#include <QChar>
#include <optional>

// The five-page input of the smoke-exhaust calculation as a paged calculation. "<< Назад" keeps the
// result: "Подбор вентилятора" stays available until the next "Далее".
namespace smoke {

struct SmokeWizardPages {
    using Project = SmokeProject;
    using Values = SmokeValues;
    using Result = SmokeResult;
    using Field = SmokeField;
    static constexpr calcreport::BackStep back = calcreport::BackStep::KeepsResult;

    static QString reportTitle();
    static int lastPage(const SmokeValues&) { return smokePageCount; }
    static PageReading readPage(int page, const SmokeProject& project, SmokeValues& values,
        calcreport::InputLines& lines, QChar separator)
    {
        return readSmokePage(page, project, values, lines, separator);
    }
    static SmokeCalculation calculate(const SmokeValues& values) { return calculateSmoke(values); }
    static void writeCalculation(calcreport::CalculationReport& report, const SmokeValues& values,
        const SmokeResult& result, QChar separator);
};

using SmokeWizard = calcreport::PagedCalculation<SmokeWizardPages>;
using SmokeStep = SmokeWizard::Step;

// The duty of a result.
SmokeDuty smokeDutyOf(const SmokeResult& result, FanType fanType);
// The duty of the last calculation, while no later step has run.
std::optional<SmokeDuty> smokeDuty(const SmokeWizard& wizard);

// Steps through every page as the window's "Далее" would, up to the calculation or the first step
// that fails.
using SmokeRun = calcreport::PagedRun<SmokeWizardPages>;
SmokeRun runSmokeProject(const SmokeProject& project, QChar decimalSeparator);

} // namespace smoke
