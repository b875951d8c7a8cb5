#include "BenchProgram.h"
#include "series/SeriesOverview.h"
#include "series/ui/SeriesWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

// The series overview as the user meets it (offscreen): a series of 40 fans filled into the chart and
// the grid and the whole window painted, and the window left idle while its current fan blinks.
namespace {

// Forty fans of ten tabulated points each, growing in size.
series::SeriesOverview fortyFans()
{
    std::vector<FanRecord> records;
    for (int i = 0; i < 40; ++i) {
        FanRecord fan;
        fan.name = QStringLiteral("ВКП-ВЕКТОР канальный");
        fan.krugl = true;
        fan.d = 200 + 10 * i;
        fan.a = fan.d;
        fan.n = 1400;
        fan.polus = 4;
        fan.fazkol = true;
        fan.lpaInput = 70 + 0.5 * i;
        fan.ny = QStringLiteral("1,1");
        const double scale = 1 + 0.08 * i;
        for (int p = 0; p < 10; ++p) {
            fan.columns[size_t(p)] = scale * (800 + 300 * p);
            fan.columns[size_t(20 + p)] = scale * (900 - 6.0 * p * p);
            fan.columns[size_t(40 + p)] = 0.3 * scale + 0.04 * p;
        }
        fan.pointCount = 10;
        records.push_back(fan);
    }
    const series::SeriesItem item {records.front().name, 0, true, false, false};
    return series::seriesOverview(records, series::SeriesKind::General, item, QLatin1Char(','));
}

void seriesOfFortyFilledAndPainted(benchmark::State& state)
{
    const series::SeriesOverview overview = fortyFans();
    TFormChildUtility window(benchProgram());
    window.resize(1280, 900);
    window.show();
    for (auto _ : state) {
        window.showSeries(overview);
        benchmark::DoNotOptimize(window.grab()); // chart and grid painted as a whole
    }
}
BENCHMARK(seriesOfFortyFilledAndPainted)->Unit(benchmark::kMillisecond);

// One second of the event loop with the window active and its current fan blinking: the CPU column
// is what the blinking costs.
void idleBlinkingSecond(benchmark::State& state)
{
    TFormChildUtility window(benchProgram());
    window.showSeries(fortyFans());
    window.show();
    window.activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!window.isActiveWindow() && waited.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(1000, &loop, &QEventLoop::quit);
        loop.exec();
    }
    state.counters["blinking"] = window.isBlinking() ? 1 : 0;
}
BENCHMARK(idleBlinkingSecond)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
