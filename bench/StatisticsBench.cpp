// Core time of every statistic on the real draw history, from 5 November 1997 to today.
#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"
#include "stats/StatisticCommands.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace powerball;

namespace {

// A program folder holding the bundled history, made once per process.
const std::filesystem::path& historyFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "powerball-statistics-bench";
        std::filesystem::create_directories(path);
        std::filesystem::remove(path / DrawHistory::kFileName);
        importDraws(DrawHistory::inFolder(path),
                    readDrawCsv(std::filesystem::path(POWERBALL_SOURCE_DIR) / "data" /
                                "powerball-draws.csv"));
        return path;
    }();
    return folder;
}

void Statistic(benchmark::State& bench, StatisticKind kind) {
    AppState state;
    state.programFolder = historyFolder();
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
