#include "app/stats/DistributionCharts.h"

#include "app/stats/StateScan.h"
#include "rules/stats/SumCharts.h"

namespace powerball {

void showCrossSums(AppState& state) {
    const StatisticScan scan =
        openScan(state, state, state.chart, StatisticScan::StartDay::NotCounted);
    chartCrossSums(scan, state.messages, state.chart);
    state.changed();
}

void showTipDistribution(AppState& state) {
    chartTipDistribution(state.tips, state.messages, state.chart);
    state.pageInFront = Page::Chart;
    state.changed();
}

} // namespace powerball
