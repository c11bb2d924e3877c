// Core time of what the filters cost, on the real draw history with the default options.
#include "app/generator/FilterCostCommand.h"

#include "BenchHistory.h"

#include <benchmark/benchmark.h>

using namespace powerball;

namespace {

FilterCostInput historyInput(double startDate) {
    AppState state;
    state.programFolder = bench::historyFolder("powerball-filter-cost-bench");
    state.startDate = startDate;
    state.selectedDate = DrawCalendar::dayNumber(2026, 12, 10);
    return filterCostInput(state);
}

void run(benchmark::State& bench, const FilterCostInput& input) {
    FilterCost cost;
    for (auto _ : bench) {
        cost = measureFilterCost(input);
        benchmark::DoNotOptimize(cost.share);
    }
    bench.counters["share_pct"] = 100.0 * cost.share;
    bench.counters["exact"] = cost.exact ? 1 : 0;
    bench.counters["draws_judged"] = cost.drawsJudged;
    bench.counters["draws_kept"] = cost.drawsKept;
}

// The defaults: history filters on, so the share comes from the sample.
void DefaultOptions(benchmark::State& bench) {
    run(bench, historyInput(DrawCalendar::kDesignedStartDate));
}
BENCHMARK(DefaultOptions)->Unit(benchmark::kMillisecond);

// The same over the whole history since 1997: the longest history windows.
void DefaultOptionsWholeHistory(benchmark::State& bench) {
    run(bench, historyInput(DrawCalendar::kMinimumDate));
}
BENCHMARK(DefaultOptionsWholeHistory)->Unit(benchmark::kMillisecond);

// History filters off: the exact count over all white sets alone.
void WithoutHistoryFilters(benchmark::State& bench) {
    FilterCostInput input = historyInput(DrawCalendar::kDesignedStartDate);
    input.settings.noEarlierWin = false;
    input.settings.noRecentWin = false;
    run(bench, input);
}
BENCHMARK(WithoutHistoryFilters)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
