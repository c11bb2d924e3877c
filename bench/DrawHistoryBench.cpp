// Speed of the operations that every command starts with, on the real draw history.
#include "app/AppShell.h"
#include "draws/DrawBrowser.h"
#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"
#include "evaluation/TipCheck.h"

#include <benchmark/benchmark.h>

#include <filesystem>

using namespace powerball;

namespace {

// A program folder holding the bundled history, made once per process.
const std::filesystem::path& historyFolder() {
    static const std::filesystem::path folder = [] {
        auto path = std::filesystem::temp_directory_path() / "powerball-bench";
        std::filesystem::create_directories(path);
        std::filesystem::remove(path / DrawHistory::kFileName);
        importDraws(DrawHistory::inFolder(path),
                    readDrawCsv(std::filesystem::path(POWERBALL_SOURCE_DIR) / "data" /
                                "powerball-draws.csv"));
        return path;
    }();
    return folder;
}

AppState stateWithTips() {
    AppState state;
    state.programFolder = historyFolder();
    state.checkEnabled = true;
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        state.tips.setLine(r, std::to_string(r + 1) + ",17,22,45,61,9,");
    return state;
}

void ReadWholeHistory(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(historyFolder());
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
        Komplettcheck(state, sound);
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
    const DrawHistory history = DrawHistory::inFolder(historyFolder());
    const DrawRecord last = history.readAll().back();
    for (auto _ : bench)
        history.insertOrReplace(last);
}
BENCHMARK(InsertOrReplaceRewrite)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
