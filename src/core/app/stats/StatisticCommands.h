#pragma once

#include "app/AppState.h"

namespace powerball {

// The statistics that the chart page, the "Datenbank" page, the shortcuts of the options
// and the command line can ask for.
enum class StatisticKind {
    NumberFrequency,
    OverdueNumbers,
    PowerballFrequency,
    OverduePowerballs,
    Pairs,
    Triples,
    Quads,
    CrossSums,
    TipDistribution,
};

// Runs one statistic into the chart. Whether it brings the chart page to the front is the
// statistic's own rule.
void runStatistic(AppState& state, StatisticKind kind);

// The shortcuts beside the options: bring the chart page to the front first, then run the
// statistic, so that it shows whatever the statistic's own rule is.
void runStatisticOnChartPage(AppState& state, StatisticKind kind);

} // namespace powerball
