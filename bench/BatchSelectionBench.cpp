#include "fans/FanCatalogue.h"
#include "office/BatchSelection.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>

// Fan selection for an equipment schedule of 500 duties on the bundled catalogue: in the program (the
// catalogue read anew for every schedule, then every row selected and ranked), and zfn-cli select-batch as a
// whole process writing its output, also on 100 000 rows for its peak memory.
namespace {

constexpr int scheduleRows = 500;

// Duties spread over the catalogue: flows from 600 to about 30 000 m³/h, pressures from 100 to about
// 1000 Pa, every group; some rows find nothing or too many fans, as in a real schedule.
QByteArray schedule(bool smoke, int rows = scheduleRows)
{
    QByteArray csv
        = smoke ? "tag,flow,pressure,temperature,group\n" : "tag,flow,pressure,range,group,pressure_kind\n";
    for (int i = 0; i < rows; ++i) {
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
        listed = 0;
        office::runBatch(office::readSchedule(csv), smoke, office::BatchCatalogue::fromStore(smoke),
            [&listed](const office::BatchRow& row) {
                listed += row.fans.empty() ? 0 : 1;
                return true;
            });
    }
    state.counters["rows_listing_fans"] = double(listed);
    state.SetLabel(smoke ? "smoke-exhaust" : "general");
}

// zfn-cli select-batch as a whole process (start, catalogue, every row, output) on a schedule of range(0)
// rows, writing CSV to a file (range(1) = 0) or JSON to stdout (1). Started through zfn_peak_memory, which
// reports the process's own peak resident memory (peak_MiB): it stays flat in the schedule's length, as
// each row is written when it is selected.
void BM_CliSelectBatch(benchmark::State& state)
{
    const bool json = state.range(1) == 1;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.csv"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(schedule(false, int(state.range(0)))) < 0) {
        state.SkipWithError("cannot write the schedule");
        return;
    }
    out.close();
    const QString folder = QCoreApplication::applicationDirPath();
    QStringList command {folder + QStringLiteral("/zfn-cli"), QStringLiteral("select-batch"),
        QStringLiteral("--schedule"), file};
    command << (json ? QStringList {QStringLiteral("--json")}
                     : QStringList {QStringLiteral("--out"), dir.filePath(QStringLiteral("fans.csv"))});
    double peakKib = 0;
    for (auto _ : state) {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(folder + QStringLiteral("/zfn_peak_memory"), command);
        if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit) {
            state.SkipWithError("zfn-cli select-batch did not finish");
            return;
        }
        // The last line of the error output: "peak_kib N cpu_s S".
        const QList<QByteArray> words
            = process.readAllStandardError().trimmed().split('\n').constLast().split(' ');
        if (words.size() != 4 || words[0] != "peak_kib") {
            state.SkipWithError("zfn_peak_memory reported nothing");
            return;
        }
        peakKib = std::max(peakKib, words[1].toDouble());
    }
    state.counters["peak_MiB"] = peakKib / 1024.0;
    state.SetLabel(json ? "JSON on stdout" : "CSV to --out");
}

BENCHMARK(BM_BatchSchedule)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSelectBatch)
    ->Args({scheduleRows, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);
BENCHMARK(BM_CliSelectBatch)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

} // namespace
