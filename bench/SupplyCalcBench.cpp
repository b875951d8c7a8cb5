#include "BenchProjects.h"
#include "pressurization/SupplyWizard.h"

#include <benchmark/benchmark.h>

// The pressurization calculation of the zone scheme (three fans, four duct sections each), stepped
// through its five pages with the report refreshed at every step as the window does.
namespace {

void BM_SupplyCalculationWithReport(benchmark::State& state)
{
    const pressurization::SupplyProject project = bench::zoneSupplyProject();
    for (auto _ : state) {
        const pressurization::SupplyRun run = pressurization::runSupplyProject(project, QLatin1Char('.'));
        benchmark::DoNotOptimize(run.wizard.report().document().size());
    }
}
BENCHMARK(BM_SupplyCalculationWithReport)->Unit(benchmark::kMicrosecond);

} // namespace
