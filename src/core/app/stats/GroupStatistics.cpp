#include "app/stats/GroupStatistics.h"

#include "app/stats/StateScan.h"
#include "rules/stats/GroupCharts.h"

namespace powerball {

namespace {

// The group statistics leave the last draw they counted as the shown draw's numbers.
void showGroups(AppState& state, int runLength) {
    const StatisticScan scan =
        openScan(state, state, state.chart, StatisticScan::StartDay::NotCounted);
    if (const auto last = chartGroups(scan, runLength, state.messages, state.chart))
        state.currentDraw.numbers = *last;
    state.pageInFront = Page::Chart;
    state.changed();
}

} // namespace

void showPairs(AppState& state) {
    showGroups(state, 2);
}

void showTriples(AppState& state) {
    showGroups(state, 3);
}

void showQuads(AppState& state) {
    showGroups(state, 4);
}

} // namespace powerball
