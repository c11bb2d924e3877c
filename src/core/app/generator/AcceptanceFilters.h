#pragma once

#include "app/DrawView.h"
#include "base/NumberMask.h"
#include "rules/generator/CalculationSettings.h"
#include "rules/generator/HistorySnapshot.h"
#include "rules/generator/RowTests.h"
#include "rules/generator/TipCandidate.h"
#include "rules/stats/StatisticChart.h"

#include <array>
#include <cstdint>
#include <vector>

namespace powerball {

// The chain of tests a drawn row must pass before it becomes a tip. The tests read the
// options from the state each time they run, so a relaxation during the run applies to
// the next candidate. The two history tests load each draw they compare into the current
// draw and leave the last one they read there; they clear the chart's bars and set the
// scan dates, as every scan of the history does.
class AcceptanceFilters {
public:
    using Test = AcceptanceTest;
    static constexpr Test Accepted = Test::Accepted;

    // The history filters move the shown draw, clear the chart's bars and set the scan dates,
    // as the run shows them; so they take those parts of the window's state.
    AcceptanceFilters(const CalculationSettings& options, DrawView& view, StatisticChart& chart,
                      HistorySnapshot& history, const std::array<DrawNumbers, 3>& lastDraws);

    // The white numbers of a row handled before the one being drawn.
    void addEarlierRow(const std::array<int, 5>& white);

    // The first test the candidate fails, or Accepted. Its white numbers must be sorted.
    Test firstFailing(const TipCandidate& candidate);

    // How many of the five numbers occur among the other five, each compared with each.
    static int sharedNumbers(const std::array<int, 5>& numbers, const std::array<int, 5>& other);
    // The primes up to 47 among the five white numbers and the Powerball.
    static int primeCount(const TipCandidate& candidate);

private:
    struct Row {
        std::array<int, 5> white{};
        NumberMask numbers;
        bool exact = true; // numbers in 1..69 without repeats: the mask counts right
    };
    static Row rowOf(const std::array<int, 5>& white);
    static int shared(const Row& candidate, const Row& other);

    bool overlapFails(const Row& candidate) const;
    bool drawFails(const Row& candidate, const TipCandidate& tip, const DrawNumbers& draw,
                   const RowTests::LastDrawLimit& limit) const;
    // Whether a draw in from < date <= to shares `winClass` or more with the candidate.
    bool historyFails(const Row& candidate, const TipCandidate& tip, double from, double to,
                      int winClass);

    const CalculationSettings& m_options;
    DrawView& m_view;
    StatisticChart& m_chart;
    HistorySnapshot& m_history;
    std::array<DrawNumbers, 3> m_lastDraws;
    std::vector<Row> m_earlier;
    bool m_historyFresh = false; // the snapshot was compared with the file for this candidate
};

} // namespace powerball
