#include "app/generator/PowerballStatistics.h"

#include "app/stats/StatisticCommands.h"

namespace powerball {

namespace {

PowerballChoice::Table readBars(const StatisticChart& chart) {
    PowerballChoice::Table table{};
    for (int i = 0; i < chart.barCount() && i < 26; ++i)
        table[static_cast<std::size_t>(i)] = chart.value(i);
    return table;
}

} // namespace

PowerballChoice powerballChoiceFromStatistics(AppState& state) {
    runStatistic(state, StatisticKind::OverduePowerballs);
    const PowerballChoice::Table outstanding = readBars(state.chart);
    runStatistic(state, StatisticKind::PowerballFrequency);
    return PowerballChoice(outstanding, readBars(state.chart));
}

} // namespace powerball
