// The wheel search over the table of (numbers, t, m) the players ask for most: the rows found
// within 2 s and within 20 s of search on both cores, beside the proven lower bound. Each
// benchmark runs once; the counters are the result:
//   build/bin/wheel_bench --benchmark_filter='s:2/'    (about half a minute)
//   build/bin/wheel_bench                              (about five minutes)
#include "rules/wheel/WheelSearch.h"

#include <benchmark/benchmark.h>

#include <numeric>

namespace powerball {
namespace {

struct TableCase {
    int numbers;
    int t;
    int m;
};

constexpr TableCase kTable[] = {{10, 3, 3}, {12, 3, 3}, {15, 3, 3}, {18, 3, 3},
                                {20, 3, 3}, {12, 4, 4}, {15, 4, 4}, {12, 3, 4},
                                {15, 3, 4}, {20, 3, 5}, {25, 2, 2}, {30, 2, 2}};

void wheelSearch(benchmark::State& state) {
    const TableCase& c = kTable[static_cast<std::size_t>(state.range(0))];
    std::vector<int> numbers(static_cast<std::size_t>(c.numbers));
    std::iota(numbers.begin(), numbers.end(), 1);
    WheelSearchOptions options;
    options.budget = std::chrono::seconds(state.range(1));
    WheelSearchResult result;
    for (auto _ : state)
        result = searchWheel(numbers, {c.t, c.m}, options);
    state.counters["numbers"] = c.numbers;
    state.counters["t"] = c.t;
    state.counters["m"] = c.m;
    state.counters["rows"] = static_cast<double>(result.wheel.rows.size());
    state.counters["lower_bound"] = static_cast<double>(result.lowerBound);
    state.counters["proven"] = guaranteeProven(result.wheel) ? 1 : 0;
}

void tableArguments(benchmark::internal::Benchmark* bench) {
    for (int seconds : {2, 20})
        for (int k = 0; k < static_cast<int>(std::size(kTable)); ++k)
            bench->Args({k, seconds});
    bench->ArgNames({"case", "s"});
}

BENCHMARK(wheelSearch)->Apply(tableArguments)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace powerball

BENCHMARK_MAIN();
