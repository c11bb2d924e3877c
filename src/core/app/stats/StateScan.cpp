#include "stats/StateScan.h"

namespace powerball {

StatisticScan openScan(AppState& state, StatisticScan::StartDay startDay) {
    StatisticScan scan(state.drawHistory().readAll(), state.startDate, state.selectedDate,
                       startDay);
    state.scanFromDate = state.startDate;
    state.chart.startStatistic();
    return scan;
}

} // namespace powerball
