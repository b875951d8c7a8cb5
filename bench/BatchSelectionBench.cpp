#include "fans/FanCatalogue.h"
#include "office/BatchSelection.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// Fan selection for an equipment schedule of 500 duties on the bundled catalogue: in the program (the
// catalogue read anew for every schedule, then every row selected and ranked), and zfn-cli select-batch as a
// whole process writing its JSON.
namespace {

constexpr int scheduleRows = 500;

// Duties spread over the catalogue: flows from 600 to about 30 000 m³/h, pressures from 100 to about
// 1000 Pa, every group; some rows find nothing or too many fans, as in a real schedule.
QByteArray schedule(bool smoke)
{
    QByteArray csv
        = smoke ? "tag,flow,pressure,temperature,group\n" : "tag,flow,pressure,range,group,pressure_kind\n";
    for (int i = 0; i < scheduleRows; ++i) {
        const int flow = 600 + (i * 977) % 29400;
        const int pressure = 100 + (i * 131) % 900;
        const QByteArray tag = "П" + QByteArray::number(i + 1);
        if (smoke) {
            csv += tag + ',' + QByteArray::number(flow) + ',' + QByteArray::number(pressure) + ','
                + QByteArray::number(200 + i % 5 * 100) + (i % 2 ? ",roof\n" : ",radial\n");
        } else {
            static const char* groups[] = {"duct,", "roof,", "pressurization,static", "duct,"};
            csv += tag + ',' + QByteArray::number(flow) + ',' + QByteArray::number(pressure) + ','
                + QByteArray::number(10 + i % 3 * 5) + ',' + groups[i % 4] + '\n';
        }
    }
    return csv;
}

void BM_BatchSchedule(benchmark::State& state)
{
    const bool smoke = state.range(0) == 1;
    const QByteArray csv = schedule(smoke);
    size_t listed = 0;
    for (auto _ : state) {
        fans::FanCatalogue::invalidate();
        const auto rows = office::runBatch(csv, smoke, office::BatchCatalogue::fromStore(smoke));
        listed
            = size_t(std::count_if(rows.begin(), rows.end(), [](const auto& r) { return !r.fans.empty(); }));
    }
    state.counters["rows_listing_fans"] = double(listed);
    state.SetLabel(smoke ? "smoke-exhaust" : "general");
}

void BM_CliSelectBatch(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.csv"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(schedule(false)) < 0) {
        state.SkipWithError("cannot write the schedule");
        return;
    }
    out.close();
    const QString cli = QCoreApplication::applicationDirPath() + QStringLiteral("/zfn-cli");
    for (auto _ : state) {
        QProcess process;
        process.start(cli,
            {QStringLiteral("select-batch"), QStringLiteral("--schedule"), file, QStringLiteral("--json")});
        if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit) {
            state.SkipWithError("zfn-cli select-batch did not finish");
            return;
        }
        benchmark::DoNotOptimize(process.readAllStandardOutput().size());
    }
}

BENCHMARK(BM_BatchSchedule)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSelectBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace
