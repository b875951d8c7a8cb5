#include "pressurization/SupplyWizard.h"

#include <benchmark/benchmark.h>

// The pressurization calculation of the zone scheme (three fans, four duct sections each), stepped
// through its five pages with the report refreshed at every step as the window does.
namespace {

pressurization::SupplyProject zoneProject()
{
    pressurization::SupplyProject p;
    p.schemeShaft = false;
    p.schemeZones = true;
    p.floors = QStringLiteral("24");
    p.zoneFloors = QStringLiteral("10");
    QList<sections::SectionRow> rows;
    for (int i = 0; i < 4; ++i)
        rows.append({QString(), QStringLiteral("0.8"), QStringLiteral("12"), QStringLiteral("0.38"),
            QStringLiteral("Металл"), QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("1"),
            QStringLiteral("1")});
    for (auto& table : p.sections)
        table.setRows(rows);
    return p;
}

void BM_SupplyCalculationWithReport(benchmark::State& state)
{
    const pressurization::SupplyProject project = zoneProject();
    for (auto _ : state) {
        const pressurization::SupplyRun run = pressurization::runSupplyProject(project, QLatin1Char('.'));
        benchmark::DoNotOptimize(run.wizard.report().document().size());
    }
}
BENCHMARK(BM_SupplyCalculationWithReport)->Unit(benchmark::kMicrosecond);

} // namespace
