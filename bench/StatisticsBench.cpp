// Core time of every statistic on the real draw history, from 5 November 1997 to today.
#include "app/stats/StatisticCommands.h"
#include "draws/DrawHistory.h"

#include "BenchHistory.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace powerball;

namespace {

void Statistic(benchmark::State& bench, StatisticKind kind) {
    AppState state;
    state.programFolder = bench::historyFolder("powerball-statistics-bench");
    state.startDate = DrawCalendar::kMinimumDate;
    state.selectedDate = DrawCalendar::dayNumber(2026, 12, 10);
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        state.tips.setLine(r, std::to_string(r + 1) + ",17,22,45,61,9,");
    for (auto _ : bench) {
        runStatistic(state, kind);
        benchmark::DoNotOptimize(state.chart.bars().data());
    }
}
BENCHMARK_CAPTURE(Statistic, NumberFrequency, StatisticKind::NumberFrequency);
BENCHMARK_CAPTURE(Statistic, OverdueNumbers, StatisticKind::OverdueNumbers);
BENCHMARK_CAPTURE(Statistic, PowerballFrequency, StatisticKind::PowerballFrequency);
BENCHMARK_CAPTURE(Statistic, OverduePowerballs, StatisticKind::OverduePowerballs);
BENCHMARK_CAPTURE(Statistic, Pairs, StatisticKind::Pairs);
BENCHMARK_CAPTURE(Statistic, Triples, StatisticKind::Triples);
BENCHMARK_CAPTURE(Statistic, Quads, StatisticKind::Quads);
BENCHMARK_CAPTURE(Statistic, CrossSums, StatisticKind::CrossSums);
BENCHMARK_CAPTURE(Statistic, TipDistribution, StatisticKind::TipDistribution);

} // namespace

BENCHMARK_MAIN();
