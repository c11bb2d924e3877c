// Speed of the operations that every command starts with, on the real draw history.
#include "app/AppShell.h"
#include "draws/DrawBrowser.h"
#include "draws/DrawHistory.h"
#include "evaluation/TipCheck.h"

#include "BenchHistory.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace powerball;

namespace {

AppState stateWithTips() {
    AppState state;
    state.programFolder = bench::historyFolder("powerball-bench");
    state.checkEnabled = true;
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        state.tips.setLine(r, std::to_string(r + 1) + ",17,22,45,61,9,");
    return state;
}

void ReadWholeHistory(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(bench::historyFolder("powerball-bench"));
    for (auto _ : bench)
        benchmark::DoNotOptimize(history.readAll());
}
BENCHMARK(ReadWholeHistory)->Unit(benchmark::kMicrosecond);

void EvaluateSelectedDate(benchmark::State& bench) {
    AppState state = stateWithTips();
    Ports ports;
    for (auto _ : bench) {
        state.selectedDate = DrawCalendar::dayNumber(2026, 12, 10);
        evaluateSelectedDate(state, ports);
    }
}
BENCHMARK(EvaluateSelectedDate)->Unit(benchmark::kMicrosecond);

void Komplettcheck12Rows(benchmark::State& bench) {
    AppState state = stateWithTips();
    SilentSoundPlayer sound;
    for (auto _ : bench)
        checkSheet(state, sound);
}
BENCHMARK(Komplettcheck12Rows)->Unit(benchmark::kMicrosecond);

void BrowsePrevious(benchmark::State& bench) {
    AppState state = stateWithTips();
    Ports ports;
    for (auto _ : bench) {
        state.drawIndex = 3000;
        DrawBrowser::previous(state, ports);
    }
}
BENCHMARK(BrowsePrevious)->Unit(benchmark::kMicrosecond);

void InsertOrReplaceRewrite(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(bench::historyFolder("powerball-bench"));
    const DrawRecord last = history.readAll().back();
    for (auto _ : bench)
        history.insertOrReplace(last);
}
BENCHMARK(InsertOrReplaceRewrite)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
