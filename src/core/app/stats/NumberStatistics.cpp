#include "app/stats/NumberStatistics.h"

#include "app/stats/StateScan.h"
#include "rules/stats/NumberCharts.h"

namespace powerball {

void showNumberFrequency(AppState& state) {
    const StatisticScan scan =
        openScan(state, state, state.chart, StatisticScan::StartDay::Counted);
    chartNumberFrequency(scan, state.messages, state.chart);
    state.changed();
}

void showOverdueNumbers(AppState& state) {
    const StatisticScan scan =
        openScan(state, state, state.chart, StatisticScan::StartDay::NotCounted);
    chartOverdueNumbers(scan, state.messages, state.chart);
    state.pageInFront = Page::Chart;
    state.changed();
}

void showPowerballFrequency(AppState& state) {
    const StatisticScan scan =
        openScan(state, state, state.chart, StatisticScan::StartDay::Counted);
    chartPowerballFrequency(scan, state.messages, state.chart);
    state.changed();
}

void showOverduePowerballs(AppState& state) {
    const StatisticScan scan =
        openScan(state, state, state.chart, StatisticScan::StartDay::NotCounted);
    chartOverduePowerballs(scan, state.messages, state.chart);
    if (!state.generatorRunning)
        state.pageInFront = Page::Chart;
    state.changed();
}

} // namespace powerball
