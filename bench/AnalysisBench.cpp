// Core time of the two analyses on the real draw history, every question answered with Yes;
// the lucky number is the preset, the draw analysis's threshold 6.
#include "app/evaluation/DrawAnalysis.h"
#include "app/evaluation/SettingsAnalysis.h"
#include "draws/DrawHistory.h"

#include "BenchHistory.h"

#include <benchmark/benchmark.h>

using namespace powerball;

namespace {

class YesToAll : public UserPrompts {
public:
    void showMessage(const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string& defaultText) override {
        return defaultText;
    }
};

// Draw analysis: the threshold box answered with this text.
class YesWithThreshold : public YesToAll {
public:
    explicit YesWithThreshold(std::string threshold) : m_threshold(std::move(threshold)) {}
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
        return m_threshold;
    }

private:
    std::string m_threshold;
};

const std::filesystem::path& folder() {
    return bench::historyFolder("powerball-analysis-bench");
}

double newestDraw() {
    static const double newest = DrawHistory::inFolder(folder()).readAll().back().date;
    return newest;
}

// A day after the newest draw, so that no analysis starts on today.
const FixedClock& clock() {
    static const FixedClock fixed(static_cast<DayNumber>(newestDraw()) + 5);
    return fixed;
}

// The window's state as it starts, on the bundled history and a fixed lucky number.
AppState freshState(double selected) {
    AppState state;
    state.programFolder = folder();
    state.selectedDate = selected;
    state.checkEnabled = true;
    state.random.setSeed(4711);
    return state;
}

Ports portsWith(UserPrompts& prompts, Shell& shell) {
    Ports ports;
    ports.prompts = &prompts;
    ports.shell = &shell;
    ports.clock = &clock();
    return ports;
}

// Every draw from the first one on, each against all earlier ones (the start date at its
// minimum too); a threshold of 6 is never reached, so no question comes up.
void DrawAnalysisWholeHistory(benchmark::State& bench) {
    YesWithThreshold prompts("6");
    NoShell shell;
    const Ports ports = portsWith(prompts, shell);
    DrawAnalysisResult result;
    for (auto _ : bench) {
        bench.PauseTiming();
        AppState state = freshState(DrawCalendar::kMinimumDate);
        state.startDate = DrawCalendar::kMinimumDate;
        bench.ResumeTiming();
        result = analyseDraws(state, ports);
        benchmark::DoNotOptimize(result.passes);
    }
    bench.counters["passes"] = result.passes;
    bench.counters["comparisons"] = static_cast<double>(result.earlierComparisons);
}
BENCHMARK(DrawAnalysisWholeHistory)->Unit(benchmark::kMillisecond);

void settingsAnalysis(benchmark::State& bench, double from) {
    YesToAll prompts;
    NoShell shell;
    const Ports ports = portsWith(prompts, shell);
    SettingsAnalysisResult result;
    for (auto _ : bench) {
        bench.PauseTiming();
        AppState state = freshState(from);
        bench.ResumeTiming();
        result = analyseSettings(state, ports);
        benchmark::DoNotOptimize(result.steps);
    }
    bench.counters["steps"] = result.steps;
}

// The default options and start date, one generator run a week over the last year.
void SettingsAnalysisLastYear(benchmark::State& bench) {
    settingsAnalysis(bench, newestDraw() - 52 * 7);
}
BENCHMARK(SettingsAnalysisLastYear)->Unit(benchmark::kMillisecond);

// The default options from the designed start date: some 560 weeks.
void SettingsAnalysisSince2015(benchmark::State& bench) {
    settingsAnalysis(bench, DrawCalendar::kDesignedStartDate);
}
BENCHMARK(SettingsAnalysisSince2015)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
