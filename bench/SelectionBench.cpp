#include "fans/CatalogueGenerator.h"
#include "fans/FanCatalogue.h"
#include "fans/FanSelection.h"
#include "fans/GeneralSelection.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <map>
#include <memory>

// The general fan selection for 5000 m³/h and 500 Pa with every duct series ticked, on the bundled
// catalogue (argument 0) and on generated catalogues of the given size, against the floor of one pass
// that only reads every curve value of the catalogue.
namespace {

const std::vector<FanRecord>& catalogue(int fans)
{
    static std::map<int, std::shared_ptr<const std::vector<FanRecord>>> cache;
    auto& held = cache[fans];
    if (!held) {
        if (fans == 0)
            held = fans::FanCatalogue::records(fans::CatalogueKind::General);
        else
            held
                = std::make_shared<const std::vector<FanRecord>>(fans::CatalogueGenerator::generalFans(fans));
    }
    return *held;
}

// Every duct series of the catalogue ticked, in the order the series list shows them.
fans::SelectionRequest dutyRequest(const std::vector<FanRecord>& records)
{
    fans::SelectionRequest request;
    request.flow = 5000;
    request.pressure = 500;
    for (const FanRecord& r : records) {
        if (r.krysh || r.podpor)
            continue;
        const fans::SeriesChoice choice {r.name, r.krugl};
        const bool listed = std::any_of(request.series.begin(), request.series.end(),
            [&](const fans::SeriesChoice& s) { return s.name == choice.name && s.round == choice.round; });
        if (!listed)
            request.series.push_back(choice);
    }
    std::sort(request.series.begin(), request.series.end(),
        [](const auto& l, const auto& r) { return std::pair(l.round, l.name) < std::pair(r.round, r.name); });
    return request;
}

void perRecord(benchmark::State& state, size_t records)
{
    state.counters["records"] = double(records);
    // Seconds per catalogue record (shown with SI prefixes: "75n" is 75 ns).
    state.counters["time_per_record"] = benchmark::Counter(
        double(records), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_ReadFloor(benchmark::State& state)
{
    const auto& records = catalogue(int(state.range(0)));
    for (auto _ : state) {
        double sum = 0;
        for (const FanRecord& r : records) {
            for (const auto& column : r.columns)
                sum += column.value_or(0);
        }
        benchmark::DoNotOptimize(sum);
    }
    perRecord(state, records.size());
}

void BM_SelectInMemory(benchmark::State& state)
{
    const auto& records = catalogue(int(state.range(0)));
    const fans::SelectionRequest request = dutyRequest(records);
    size_t listed = 0;
    for (auto _ : state) {
        const fans::SelectionOutcome outcome = fans::selectFans(records, request);
        listed = outcome.fans.size();
        benchmark::DoNotOptimize(listed);
    }
    perRecord(state, records.size());
    state.counters["series"] = double(request.series.size());
    state.counters["accepted"] = double(listed);
}

void BM_WholeRunWithTables(benchmark::State& state)
{
    const auto& records = catalogue(int(state.range(0)));
    const fans::SelectionRequest request = dutyRequest(records);
    for (auto _ : state) {
        const fans::SelectionOutcome outcome = fans::runSelectionWithTables(records, request);
        benchmark::DoNotOptimize(outcome.fans.size());
    }
    perRecord(state, records.size());
}

BENCHMARK(BM_ReadFloor)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectInMemory)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeRunWithTables)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the store's SQL drivers are Qt plugins
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
