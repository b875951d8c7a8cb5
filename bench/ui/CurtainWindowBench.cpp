#include "BenchProgram.h"
#include "curtains/ui/CurtainResultsWindow.h"
#include "curtains/ui/CurtainTaskWindow.h"
#include "ui/RadioGroupWidget.h"
#include "ui/SharedWindows.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// An air-curtain calculation as the user meets it (offscreen): "Расчет" in the task window of a series,
// the inputs read, the curtain computed from the bundled catalogue, the results grid filled and the jet
// drawn in the chart, until the whole results window has been painted into a picture. Argument: 0 ОРК,
// 1 ТЕМ, 2 ПЛН, each with a heater so that every catalogue read happens.
namespace {

std::unique_ptr<CurtainTaskWindow> taskWindow(curtains::Series series)
{
    std::unique_ptr<CurtainTaskWindow> window;
    switch (series) {
    case curtains::Series::Ork:
        window = std::make_unique<TMDIChildVozdZavesaORK>(benchProgram());
        break;
    case curtains::Series::Tem:
        window = std::make_unique<TMDIChildVozdZavesaTEM>(benchProgram());
        break;
    case curtains::Series::Pln:
        window = std::make_unique<TMDIChildVozdZavesaPLN>(benchProgram());
        break;
    }
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    // ОРК and ТЕМ with the water heater, ПЛН with its electric one.
    window->findChild<RadioGroupWidget*>(QStringLiteral("RG_Tip"))
        ->setItemIndex(series == curtains::Series::Pln ? 2 : 1);
    return window;
}

void curtainCalculatedAndDrawn(benchmark::State& state)
{
    const auto series = static_cast<curtains::Series>(state.range(0));
    const std::unique_ptr<CurtainTaskWindow> window = taskWindow(series);
    CurtainResultsWindow* results = curtainResultsWindow(benchProgram().windows(), series);
    for (auto _ : state) {
        window->run();
        benchmark::DoNotOptimize(results->grab()); // painted as a whole, exposed or not
        state.PauseTiming();
        results->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(curtainCalculatedAndDrawn)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace
