// Core time of the tip generator on the real draw history, from 5 November 1997 to today.
#include "app/generator/GeneratorRun.h"
#include "draws/DrawHistory.h"

#include "BenchHistory.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace powerball;

namespace {

AppState historyState() {
    AppState state;
    state.programFolder = bench::historyFolder("powerball-generator-bench");
    state.startDate = DrawCalendar::kMinimumDate;
    state.selectedDate = DrawCalendar::dayNumber(2026, 12, 10);
    state.random.setSeed(4711);
    return state;
}

// Answers the list dialog with a pool of the numbers that are not primes.
class NoPrimesPool : public UserPrompts {
public:
    void showMessage(const std::string&) override {}
    PoolListAnswer askPoolNumbers(NumberListBoxes& boxes) override {
        for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
            bool prime = n > 1;
            for (int d = 2; d * d <= n; ++d)
                prime = prime && n % d != 0;
            boxes.setTicked(n, !prime);
            boxes.setWeight(n, "1");
        }
        return PoolListAnswer::Rebuild;
    }
};

void run(benchmark::State& bench, AppState& state) {
    NoPrimesPool prompts;
    Ports ports;
    ports.prompts = &prompts;
    for (auto _ : bench) {
        pressCalculate(state, ports);
        benchmark::DoNotOptimize(state.tips.row(0).fields.data());
    }
    bench.counters["candidates"] = state.generator.runCounter;
}

// The default options and 12 rows.
void DefaultRun(benchmark::State& bench) {
    AppState state = historyState();
    state.settings.rowCount.setValue(12);
    run(bench, state);
}
BENCHMARK(DefaultRun)->Unit(benchmark::kMillisecond);

// 50,000 candidates that each read the whole window of the earlier-win test: a class of 6
// with the Powerball counted almost never rejects, and then every candidate fails the
// demand for six primes, drawn as it is from a pool without primes.
void FullHistoryScans(benchmark::State& bench) {
    AppState state = historyState();
    state.settings.rowCount.setValue(1);
    state.settings.earlierWinClass.setValue(6);
    state.settings.countPowerball = true;
    state.settings.noRecentWin = false;
    state.settings.minPrimesOn = true;
    state.settings.minPrimes.setValue(6);
    state.settings.showNumberList = true;
    run(bench, state);
}
BENCHMARK(FullHistoryScans)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
