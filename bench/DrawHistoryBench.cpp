// Speed of the operations that every command starts with, on the real draw history.
#include "app/AppShell.h"
#include "app/draws/DrawBrowser.h"
#include "app/evaluation/TipCheck.h"
#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"
#include "draws/ResultsFeed.h"

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

// The stored draws from `since` on as the public results file writes them: newest first.
std::string publicResultsCsv(const std::vector<DrawRecord>& stored, double since,
                             const char* lineEnd) {
    std::string csv = std::string("Draw Date,Winning Numbers,Multiplier") + lineEnd;
    for (auto record = stored.rbegin(); record != stored.rend() && record->date >= since;
         ++record) {
        const CivilDate date = DrawCalendar::civil(static_cast<DayNumber>(record->date));
        const DrawNumbers numbers = record->drawNumbers();
        char line[64];
        std::snprintf(line, sizeof line, "%02d/%02d/%04d,%02d %02d %02d %02d %02d %02d,%d%s",
                      date.month, date.day, date.year, numbers.white(1), numbers.white(2),
                      numbers.white(3), numbers.white(4), numbers.white(5), numbers.powerball(),
                      numbers.powerPlay(), lineEnd);
        csv += line;
    }
    return csv;
}

// What the import button does before it asks: the whole history as the public results file
// (newest first) read and compared with the stored draws.
void PlanPublicResultsImport(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(bench::historyFolder("powerball-bench"));
    const std::string csv = publicResultsCsv(history.readAll(), 0, "\r\n");
    for (auto _ : bench) {
        std::istringstream input(csv);
        const DrawCsvContent content = readAnyDrawCsv(input, "results.csv");
        benchmark::DoNotOptimize(planImport(history.readAll(), content.draws));
    }
}
BENCHMARK(PlanPublicResultsImport)->Unit(benchmark::kMillisecond);

// The results file's export as it comes, every draw since February 2010 (about 1,980 lines,
// 63 kB), read through the draw rule and planned against the bundled history: the work of
// the update once the transfer is over.
std::string wholeExport(const std::vector<DrawRecord>& stored) {
    return publicResultsCsv(stored, DrawCalendar::dayNumber(2010, 2, 3), "\n");
}

void ReadAndPlanResultsFeed(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(bench::historyFolder("powerball-bench"));
    const std::string body = wholeExport(history.readAll());
    const DayNumber today = DrawCalendar::dayNumber(2026, 12, 11);
    for (auto _ : bench) {
        const auto content = ResultsFeed::read(body, today);
        benchmark::DoNotOptimize(planImport(history.readAll(), content->draws));
    }
    bench.SetBytesProcessed(static_cast<std::int64_t>(bench.iterations() * body.size()));
}
BENCHMARK(ReadAndPlanResultsFeed)->Unit(benchmark::kMillisecond);

// An HTTP client whose answer is already there: what is measured is all that follows the
// transfer.
class ArrivedAnswer : public HttpClient {
public:
    explicit ArrivedAnswer(std::string body) {
        m_response.statusCode = 200;
        m_response.statusLine = "HTTP/1.1 200 OK";
        m_response.body = std::move(body);
    }
    HttpResponse get(const HttpRequest&) override { return m_response; }

private:
    HttpResponse m_response;
};

// The whole update after the transfer, nothing new: the draw file read, the body read and
// planned, the validators written beside the draw file (flushed to disk).
void UpdateFromResultsFeedAfterTheTransfer(benchmark::State& bench) {
    const DrawHistory history = DrawHistory::inFolder(bench::historyFolder("powerball-bench"));
    ArrivedAnswer http(wholeExport(history.readAll()));
    const DayNumber today = DrawCalendar::dayNumber(2026, 12, 11);
    HttpRequest request;
    request.url = "http://127.0.0.1:9/rows.csv";
    for (auto _ : bench)
        benchmark::DoNotOptimize(ResultsFeed::update(history, http, request, today));
}
BENCHMARK(UpdateFromResultsFeedAfterTheTransfer)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
