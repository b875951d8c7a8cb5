#include "common/CatalogueStore.h"
#include "common/StoreImport.h"
#include "fans/FanCatalogue.h"
#include "fans/FanCatalogueSchema.h"
#include "generator/CatalogueGenerator.h"
#include "generator/CatalogueGeneratorTsv.h"
#include "run/BenchRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <map>
#include <sqlite3.h>
#include <sys/resource.h>

// The catalogue store on generated catalogues of 10 000 and 100 000 general-ventilation fans (SQLite
// files built as the bundled one is), against the floor of reading every column of every row of the same
// file through the SQLite C API: the store's read into memory, the lists the selection window fills
// itself with, and the whole zfn-cli select as the user runs it (a process of its own, result tables
// included), with its peak memory. x_floor is a step's CPU time over the floor's, both measured in this
// run (the floor runs first).
namespace {

double processCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// CPU seconds of one floor pass, by catalogue size.
std::map<int, double>& floorCpu()
{
    static std::map<int, double> seconds;
    return seconds;
}

void againstFloor(benchmark::State& state, double cpuPerRun)
{
    const auto floor = floorCpu().find(int(state.range(0)));
    if (floor != floorCpu().end() && floor->second > 0)
        state.counters["x_floor"] = cpuPerRun / floor->second;
}

// The SQLite catalogue of a given size, built once per run.
QString catalogueFile(int fans)
{
    static const QDir dir(bench::runFolder());
    static std::map<int, QString> files;
    QString& file = files[fans];
    if (file.isEmpty()) {
        const QString sources = dir.filePath(QStringLiteral("src%1").arg(fans));
        QDir().mkpath(sources);
        fans::writeCatalogueTsv(sources + QStringLiteral("/razmzfn.tsv"),
            fans::catalogueTsv(fans::CatalogueKind::General, fans::CatalogueGenerator::generalFans(fans)));
        fans::writeCatalogueTsv(sources + QStringLiteral("/razmzfnsmk.tsv"),
            fans::catalogueTsv(fans::CatalogueKind::Smoke, fans::CatalogueGenerator::smokeFans()));
        file = dir.filePath(QStringLiteral("vozuvada%1.sqlite").arg(fans));
        store::importTsvFolder(sources, file, fans::knownCatalogueTableDef);
    }
    return file;
}

void perRecord(benchmark::State& state)
{
    state.counters["records"] = double(state.range(0));
    state.counters["time_per_record"] = benchmark::Counter(
        double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_FloorSqliteCApi(benchmark::State& state)
{
    const QByteArray path = catalogueFile(int(state.range(0))).toUtf8();
    const double start = processCpuSeconds();
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "SELECT * FROM razmzfn ORDER BY rowid", -1, &statement, nullptr);
        const int columns = sqlite3_column_count(statement);
        double sum = 0;
        size_t textBytes = 0;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(statement, c)) {
                case SQLITE_TEXT:
                    textBytes += size_t(sqlite3_column_bytes(statement, c));
                    benchmark::DoNotOptimize(sqlite3_column_text(statement, c));
                    break;
                case SQLITE_NULL:
                    break;
                default:
                    sum += sqlite3_column_double(statement, c);
                }
            }
        }
        sqlite3_finalize(statement);
        sqlite3_close(db);
        benchmark::DoNotOptimize(sum);
        benchmark::DoNotOptimize(textBytes);
    }
    floorCpu()[int(state.range(0))] = (processCpuSeconds() - start) / double(state.iterations());
    perRecord(state);
}

void BM_StoreReadsCatalogue(benchmark::State& state)
{
    store::AliasConfig config;
    config.database = catalogueFile(int(state.range(0)));
    const double start = processCpuSeconds();
    for (auto _ : state) {
        store::OwnConnection connection(config);
        benchmark::DoNotOptimize(
            fans::FanCatalogue::load(connection.db(), fans::CatalogueKind::General).size());
    }
    againstFloor(state, (processCpuSeconds() - start) / double(state.iterations()));
    perRecord(state);
}

// What the selection window reads when it opens: the catalogue once, then the series, diameter and
// duct-size lists grouped from it.
void BM_SelectionWindowLists(benchmark::State& state)
{
    store::setAliasOverride(store::vozuvadaAlias(), catalogueFile(int(state.range(0))));
    size_t series = 0;
    const double start = processCpuSeconds();
    for (auto _ : state) {
        fans::FanCatalogue::invalidate();
        series = fans::FanCatalogue::generalSeries().size();
        benchmark::DoNotOptimize(fans::FanCatalogue::diameterTexts(fans::CatalogueKind::General).size());
        benchmark::DoNotOptimize(fans::FanCatalogue::ductSizes().size());
    }
    againstFloor(state, (processCpuSeconds() - start) / double(state.iterations()));
    state.counters["series"] = double(series);
    fans::FanCatalogue::invalidate();
    perRecord(state);
    store::clearAliasOverrides();
}

// zfn-cli select with every duct series ticked (5000 m³/h, 500 Pa), as a process: start, catalogue,
// selection, result tables, JSON. Started through zfn_peak_memory, which reports the process's own peak
// resident memory (peak_MiB) and CPU time (cpu_s, per run).
void BM_CliSelect(benchmark::State& state)
{
    const QString file = catalogueFile(int(state.range(0)));
    const QString folder = QCoreApplication::applicationDirPath();
    double peakKib = 0;
    double cpu = 0;
    for (auto _ : state) {
        QProcess process;
        process.start(folder + QStringLiteral("/zfn_peak_memory"),
            {folder + QStringLiteral("/zfn-cli"), QStringLiteral("select"), QStringLiteral("--flow"),
                QStringLiteral("5000"), QStringLiteral("--pressure"), QStringLiteral("500"),
                QStringLiteral("--json"), QStringLiteral("--alias"), QStringLiteral("VOzuvada=") + file});
        if (!process.waitForFinished(600000) || process.exitStatus() != QProcess::NormalExit) {
            state.SkipWithError("zfn-cli select did not finish");
            return;
        }
        // The last line of the error output: "peak_kib N cpu_s S".
        const QList<QByteArray> words
            = process.readAllStandardError().trimmed().split('\n').constLast().split(' ');
        if (words.size() != 4 || words[0] != "peak_kib" || words[2] != "cpu_s") {
            state.SkipWithError("zfn_peak_memory reported nothing");
            return;
        }
        peakKib = std::max(peakKib, words[1].toDouble());
        cpu += words[3].toDouble();
    }
    const double cpuPerRun = cpu / double(state.iterations());
    state.counters["peak_MiB"] = peakKib / 1024.0;
    state.counters["cpu_s"] = cpuPerRun;
    againstFloor(state, cpuPerRun);
    perRecord(state);
}

BENCHMARK(BM_FloorSqliteCApi)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StoreReadsCatalogue)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SelectionWindowLists)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CliSelect)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace
