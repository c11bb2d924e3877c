#include "rules/stats/StatisticScan.h"

#include <utility>

namespace powerball {

StatisticScan::StatisticScan(std::vector<DrawRecord> records, double from, double to,
                             StartDay startDay)
    : m_records(std::move(records)), m_from(from), m_to(to),
      m_fromCounted(startDay == StartDay::Counted) {}

bool StatisticScan::inWindow(double date) const {
    const bool afterStart = m_fromCounted ? date >= m_from : date > m_from;
    return afterStart && date <= m_to;
}

} // namespace powerball
