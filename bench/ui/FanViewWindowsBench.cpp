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
    fan.row = QStringList {QStringLiteral("1"), fan.designation, QStringLiteral("1000"),
        QStringLiteral("442"), QStringLiteral("250"), QStringLiteral("1380"), QStringLiteral("диам.250"),
        QStringLiteral("0,23 (на валу)"), QStringLiteral("4"), QStringLiteral("3"),
        QStringLiteral("0,4 (на валу)"), QStringLiteral("76"), QStringLiteral("79"), QStringLiteral("68"),
        QStringLiteral("5,66"), QString(), QString(), QStringLiteral("0,55"), QStringLiteral("12")};
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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
