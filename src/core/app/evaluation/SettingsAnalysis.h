#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"
#include "rules/evaluation/ChanceBaseline.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace powerball {

// What the rows of the steps since 7 October 2015 cost and won, beside what as many random
// rows are expected to win against the same draws (the jackpot left out).
struct PrizeBalance {
    int steps = 0;
    std::int64_t rows = 0;
    std::int64_t costUsd = 0;          // $2 a row
    std::int64_t costPowerPlayUsd = 0; // $3 a row
    std::int64_t wonUsd = 0;
    std::int64_t wonPowerPlayUsd = 0;
    int jackpots = 0;
    double expectedUsd = 0.0;
    double expectedPowerPlayUsd = 0.0;
};

// What the settings analysis did, for the command line and the tests.
struct SettingsAnalysisResult {
    bool ran = false;     // both questions were answered and the steps began
    bool stopped = false; // the calculate button or Esc ended it early
    int plannedSteps = 0;
    int steps = 0;
    // Rows by white hits 0..5, without and with the Powerball, summed over the steps.
    std::array<std::array<long long, 2>, 6> sums{};
    std::vector<double> checkedDraws; // the date each step checked its tips against
    ChanceBaseline::ExpectedTable expected{};
    long long observedThreeOrMore = 0;
    double expectedThreeOrMore = 0.0;
    double chanceAtLeastAsGood = 1.0;
    PrizeBalance balance;
    std::vector<std::string> report;
    std::filesystem::path reportFile;
};

// "Historische Analyse der Parameter …": from the selected date on, runs the tip generator
// with the current settings once per week as if it were that day, checks its tips against
// the draw a week later, and sums up the rows by hits, beside what random tips would have
// reached. The list dialog stays off meanwhile. Cancelling a question ends it at once.
SettingsAnalysisResult analyseSettings(AppState& state, const Ports& ports);

// The lucky number the analysis asks for, in the range its box names.
inline constexpr int kLuckyNumberMin = 1;
inline constexpr int kLuckyNumberMax = 99'999'999;
// What the box proposes: a number of that range, derived from the seed the run would use.
int proposedLuckyNumber(std::uint32_t seed);

// The steps the analysis will take from the selected date: one per week up to the newest
// draw, and one more that checks the newest draw again; none when the selected date is
// today or there are no draws.
int plannedSettingsSteps(const std::vector<DrawRecord>& records, double selectedDate,
                         DayNumber today);

} // namespace powerball
