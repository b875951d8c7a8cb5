#include "BenchProgram.h"
#include "fans/SelectionResultTables.h"
#include "fanviews/ui/FanGraphsWindow.h"
#include "fanviews/ui/FanSheetWindow.h"
#include "ui/SharedWindows.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// The fan data views as the user meets them: a data sheet filled with a fan and shown, and the graphs
// window opened on a 20-point fan, each until the whole window has been painted into a picture.
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

void sheetFillsAndShows(benchmark::State& state)
{
    auto* sheet = benchProgram().windows().get<TForm_ResImage>();
    fans::SelectedFan fan {QStringLiteral("ВКК-СКАТ 2,5-4-3"), 1000, 442, 1000, 440, false, {}};
    FanRecord& record = fan.listed.record;
    record.name = QStringLiteral("ВКК-СКАТ");
    record.krugl = true;
    record.a = 250;
    record.d = 250;
    record.n = 1380;
    record.polus = 4;
    record.fazkol = true;
    record.lpaInput = 76;
    record.lpaOutput = 79;
    record.lpaArround = 68;
    record.ny = QStringLiteral("0,55");
    record.massa = 12;
    fans::FoundFan& found = fan.listed.found;
    found.operatingFlow = 1000;
    found.operatingPressure = 442;
    found.powerAtOperating = 0.23;
    found.powerAtMaxFlow = 0.4;
    found.airSpeed = 5.66;
    for (auto _ : state) {
        sheet->showFan(fan);
        benchmark::DoNotOptimize(sheet->grab()); // painted as a whole, exposed or not
        state.PauseTiming();
        sheet->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(sheetFillsAndShows)->Unit(benchmark::kMillisecond);

void graphsOpenAndPaint(benchmark::State& state)
{
    auto* graphs = benchProgram().windows().get<TResult_Form>();
    const auto curves = twentyPoints();
    for (auto _ : state) {
        graphs->open(curves, QStringLiteral("ЗФН: Графики характеристик канального вентилятора:  X 4-4-3"));
        benchmark::DoNotOptimize(graphs->grab());
        state.PauseTiming();
        graphs->hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(graphsOpenAndPaint)->Unit(benchmark::kMillisecond);

} // namespace
