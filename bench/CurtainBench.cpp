#include "common/NumberText.h"
#include "curtains/CurtainCalc.h"
#include "curtains/CurtainTable.h"

#include <benchmark/benchmark.h>

// One air-curtain calculation as the "Расчет" button runs it: checks, design, choice, the jet path with its
// marks, the heat balance, the catalogue records read from the bundled catalogue and the grid texts.
// Argument: 0 ОРК, 1 ТЕМ, 2 ПЛН (each with its water heater where the defaults allow one, so every catalogue
// read happens).
namespace {

curtains::CurtainInputs benchInputs(int series)
{
    using namespace curtains;
    CurtainInputs in = defaultCurtainInputs(static_cast<Series>(series));
    in.heater = series == 2 ? HeaterKind::Electric : HeaterKind::Water;
    in.tc = 18;
    return in;
}

void BM_CurtainCalculation(benchmark::State& state)
{
    const curtains::CurtainInputs in = benchInputs(static_cast<int>(state.range(0)));
    const curtains::CurtainCatalogue catalogue = curtains::storeCurtainCatalogue();
    const QChar sep = systemDecimalSeparator();
    for (auto _ : state) {
        const curtains::CurtainOutcome outcome = curtains::calculateCurtain(in, catalogue, sep);
        if (!outcome.run) {
            state.SkipWithError("refused");
            break;
        }
        benchmark::DoNotOptimize(curtains::curtainResultRows(*outcome.run, sep));
    }
}

} // namespace

BENCHMARK(BM_CurtainCalculation)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
