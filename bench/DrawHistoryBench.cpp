// Speed of the operations that every command starts with, on the real draw history.
#include "app/AppShell.h"
#include "app/draws/DrawBrowser.h"
#include "app/evaluation/TipCheck.h"
#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"

#include "BenchHistory.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

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

void CheckSheetOf12Rows(benchmark::State& bench) {
    AppState state = stateWithTips();
    SilentSoundPlayer sound;
    for (auto _ : bench)
        checkSheet(state, sound);
}
BENCHMARK(CheckSheetOf12Rows)->Unit(benchmark::kMicrosecond);

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

// A CSV of `rows` draws, one a day after the bundled history, none of them stored yet.
std::string newDrawsCsv(int rows) {
    std::string csv = "date,white1,white2,white3,white4,white5,powerball,power_play\n";
    const DayNumber first = DrawCalendar::dayNumber(2027, 1, 1);
    for (int k = 0; k < rows; ++k) {
        const int w = 1 + k % 60;
        csv += DrawCalendar::isoDate(first + k) + ',' + std::to_string(w) + ',' +
               std::to_string(w + 2) + ',' + std::to_string(w + 4) + ',' + std::to_string(w + 6) +
               ',' + std::to_string(w + 8) + ',' + std::to_string(1 + k % 26) + ",2\n";
    }
    return csv;
}

// The whole import: reading the CSV and merging it into the history in one rewrite.
void ImportNewRows(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(bench::historyFolder("powerball-import"));
    const std::vector<DrawRecord> original = history.readAll();
    const std::string csv = newDrawsCsv(static_cast<int>(bench.range(0)));
    for (auto _ : bench) {
        bench.PauseTiming();
        history.modify([&original](std::vector<DrawRecord>& records) { records = original; });
        bench.ResumeTiming();
        std::istringstream input(csv);
        importDraws(history, readDrawCsv(input, "new.csv"));
    }
}
BENCHMARK(ImportNewRows)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// What the import button does before it asks: the whole history as the public results file
// (newest first) read and compared with the stored draws.
void PlanPublicResultsImport(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(bench::historyFolder("powerball-bench"));
    const std::vector<DrawRecord> stored = history.readAll();
    std::string csv = "Draw Date,Winning Numbers,Multiplier\r\n";
    for (auto record = stored.rbegin(); record != stored.rend(); ++record) {
        const CivilDate date = DrawCalendar::civil(static_cast<DayNumber>(record->date));
        const DrawNumbers numbers = record->drawNumbers();
        char line[64];
        std::snprintf(line, sizeof line, "%02d/%02d/%04d,%02d %02d %02d %02d %02d %02d,%d\r\n",
                      date.month, date.day, date.year, numbers.white(1), numbers.white(2),
                      numbers.white(3), numbers.white(4), numbers.white(5), numbers.powerball(),
                      numbers.powerPlay());
        csv += line;
    }
    for (auto _ : bench) {
        std::istringstream input(csv);
        const DrawCsvContent content = readAnyDrawCsv(input, "results.csv");
        benchmark::DoNotOptimize(planImport(history.readAll(), content.draws));
    }
}
BENCHMARK(PlanPublicResultsImport)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
