#include "fanviews/FanCurveSet.h"
#include "fanviews/SoundPowerLevels.h"

#include <benchmark/benchmark.h>

// The work of the fan data views apart from painting: drawing a tabulated curve, the working point,
// the octave table.
namespace {

fanviews::FanCurveSet twentyPoints()
{
    fanviews::FanCurveSet set;
    set.pointCount = 20;
    for (int i = 0; i < 20; ++i) {
        set.flowPoints[size_t(i)] = 1000 + 250 * i;
        set.pressurePoints[size_t(i)] = 900 - 0.00002 * (250 * i) * (250 * i);
        set.powerPoints[size_t(i)] = 0.8 + 0.05 * i;
    }
    set.dutyFlow = 3000;
    return set;
}

void drawTwentyPointCurve(benchmark::State& state)
{
    const auto set = twentyPoints();
    for (auto _ : state) {
        auto pressure = fanviews::drawnCurve(set, fanviews::CurveValue::Pressure);
        auto power = fanviews::drawnCurve(set, fanviews::CurveValue::Power);
        benchmark::DoNotOptimize(pressure.data());
        benchmark::DoNotOptimize(power.data());
    }
}
BENCHMARK(drawTwentyPointCurve);

void workingPoint(benchmark::State& state)
{
    const auto set = twentyPoints();
    double flow = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(fanviews::workingPointAt(set, flow));
        flow = flow > 5700 ? 1000 : flow + 50;
    }
}
BENCHMARK(workingPoint);

void octaveTable(benchmark::State& state)
{
    const QString designation = QStringLiteral("ВКК-СКАТ 3,15-4-3");
    for (auto _ : state) {
        const double level = 85;
        benchmark::DoNotOptimize(fanviews::soundPowerLevels(designation, level, level - 2, level - 10));
    }
}
BENCHMARK(octaveTable);

} // namespace
