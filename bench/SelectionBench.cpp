#include "fans/FanCatalogue.h"
#include "fans/FanSelection.h"
#include "fans/GeneralSelection.h"
#include "fans/SmokeSelection.h"
#include "fans/SpeedControlledSelection.h"
#include "generator/CatalogueGenerator.h"

#include <benchmark/benchmark.h>
#include <map>
#include <memory>

// The general fan selection for 5000 m³/h and 500 Pa with every duct series ticked, and the smoke-exhaust
// selection for 10 000 m³/h of smoke at 300 °C and 250 Pa with every roof and wall series ticked, on the
// bundled catalogues (argument 0) and on generated catalogues of the given size, against the floor of one
// pass that only reads every curve value of the catalogue. The selection with speed control runs on the same
// duty and series as the general one, to be compared with it.
namespace {

const std::vector<FanRecord>& catalogue(int fans, fans::CatalogueKind kind = fans::CatalogueKind::General)
{
    static std::map<std::pair<int, fans::CatalogueKind>, std::shared_ptr<const std::vector<FanRecord>>> cache;
    auto& held = cache[{fans, kind}];
    if (!held) {
        const bool smoke = kind == fans::CatalogueKind::Smoke;
        if (fans == 0)
            held = fans::FanCatalogue::records(kind);
        else
            held = std::make_shared<const std::vector<FanRecord>>(smoke
                    ? fans::CatalogueGenerator::smokeFans(fans)
                    : fans::CatalogueGenerator::generalFans(fans));
    }
    return *held;
}

const std::vector<FanRecord>& smokeCatalogue(int fans)
{
    return catalogue(fans, fans::CatalogueKind::Smoke);
}

// Every roof and wall series ticked (the first record of a series decides its group), sorted by name as
// the window lists them.
fans::SmokeSelectionRequest smokeDutyRequest(const std::vector<FanRecord>& records)
{
    fans::SmokeSelectionRequest request;
    request.flow = 10000;
    request.pressure = 250;
    request.temperature = 300;
    std::vector<QString> seen;
    for (const FanRecord& r : records) {
        if (std::find(seen.begin(), seen.end(), r.name) != seen.end())
            continue;
        seen.push_back(r.name);
        if (!r.davlen)
            request.series.push_back(r.name);
    }
    std::sort(request.series.begin(), request.series.end());
    return request;
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

void BM_SpeedControlledSelectInMemory(benchmark::State& state)
{
    const auto& records = catalogue(int(state.range(0)));
    const fans::SelectionRequest request = dutyRequest(records);
    size_t listed = 0;
    for (auto _ : state) {
        const fans::SpeedControlledOutcome outcome
            = fans::selectSpeedControlled(records, request, fans::defaultMinSpeedPercent);
        listed = outcome.fans.size();
        benchmark::DoNotOptimize(listed);
    }
    perRecord(state, records.size());
    state.counters["listed"] = double(listed);
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

void BM_SmokeSelectInMemory(benchmark::State& state)
{
    const auto& records = smokeCatalogue(int(state.range(0)));
    const fans::SmokeSelectionRequest request = smokeDutyRequest(records);
    size_t listed = 0;
    for (auto _ : state) {
        const fans::SelectionOutcome outcome = fans::selectSmokeFans(records, request);
        listed = outcome.fans.size();
        benchmark::DoNotOptimize(listed);
    }
    perRecord(state, records.size());
    state.counters["series"] = double(request.series.size());
    state.counters["accepted"] = double(listed);
}

void BM_SmokeWholeRunWithTables(benchmark::State& state)
{
    const auto& records = smokeCatalogue(int(state.range(0)));
    const fans::SmokeSelectionRequest request = smokeDutyRequest(records);
    for (auto _ : state) {
        const fans::SelectionOutcome outcome = fans::runSmokeSelectionWithTables(records, request);
        benchmark::DoNotOptimize(outcome.fans.size());
    }
    perRecord(state, records.size());
}

BENCHMARK(BM_ReadFloor)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectInMemory)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeedControlledSelectInMemory)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeRunWithTables)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmokeSelectInMemory)->Arg(0)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SmokeWholeRunWithTables)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
