#include "stats/StatisticScan.h"

namespace powerball {

StatisticScan::StatisticScan(AppState& state, StartDay startDay)
    : m_records(state.drawHistory().readAll()), m_from(state.startDate), m_to(state.selectedDate),
      m_fromCounted(startDay == StartDay::Counted) {
    state.scanFromDate = state.startDate;
    state.chart.startStatistic();
}

bool StatisticScan::inWindow(double date) const {
    const bool afterStart = m_fromCounted ? date >= m_from : date > m_from;
    return afterStart && date <= m_to;
}

} // namespace powerball
