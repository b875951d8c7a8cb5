#include "unit/UnitCalculation.h"

#include <benchmark/benchmark.h>

// One assembled-unit calculation as a loaded project runs it, on the bundled catalogue: a unit with heater
// and cooler, every heater type of the catalogue ticked (each read and selected), the cooler sized twice, the
// chosen heater's section, its five element lists and the composition of a few ticked elements.
namespace {

void BM_UnitCalculation(benchmark::State& state)
{
    unit::ElementStore store = unit::pritoshkaElementStore();
    const QStringList water = store.heaterTypes(unit::HeaterKind::Water);
    const QStringList electric = store.heaterTypes(unit::HeaterKind::Electric);
    unit::UnitInputs in;
    in.freePressure = 150;
    in.heater.maxSpeed = 3;
    unit::ElementTicks ticks;
    ticks.ticked = {std::vector<int> {0, 2}, {1}, {0}, {0}, {0}};
    for (auto _ : state) {
        const unit::UnitRun run = unit::calculateUnit(store, in, water, electric, 1, ticks);
        if (run.variants.heaters.empty()) {
            state.SkipWithError("no heater");
            break;
        }
        benchmark::DoNotOptimize(unit::unitElementRows(store, run, in));
    }
    state.counters["heater_types"] = double(water.size() + electric.size());
}

} // namespace

BENCHMARK(BM_UnitCalculation)->Unit(benchmark::kMillisecond);
