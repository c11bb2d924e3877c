#include "app/stats/StatisticCommands.h"

#include "app/stats/DistributionCharts.h"
#include "app/stats/GroupStatistics.h"
#include "app/stats/NumberStatistics.h"

namespace powerball {

void runStatistic(AppState& state, StatisticKind kind) {
    switch (kind) {
    case StatisticKind::NumberFrequency:
        return showNumberFrequency(state);
    case StatisticKind::OverdueNumbers:
        return showOverdueNumbers(state);
    case StatisticKind::PowerballFrequency:
        return showPowerballFrequency(state);
    case StatisticKind::OverduePowerballs:
        return showOverduePowerballs(state);
    case StatisticKind::Pairs:
        return showPairs(state);
    case StatisticKind::Triples:
        return showTriples(state);
    case StatisticKind::Quads:
        return showQuads(state);
    case StatisticKind::CrossSums:
        return showCrossSums(state);
    case StatisticKind::TipDistribution:
        return showTipDistribution(state);
    }
}

void runStatisticOnChartPage(AppState& state, StatisticKind kind) {
    state.pageInFront = Page::Chart;
    runStatistic(state, kind);
}

} // namespace powerball
