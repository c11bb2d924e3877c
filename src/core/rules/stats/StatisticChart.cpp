#include "rules/stats/StatisticChart.h"

#include <algorithm>

namespace powerball {

void StatisticChart::startStatistic() {
    m_statisticSeriesOn = true;
    m_secondSeriesOn = false;
    m_bars.clear();
}

void StatisticChart::addBar(int x, int value, BarColor color) {
    m_bars.push_back({x, value, color});
}

void StatisticChart::addNumberBars(std::span<const int> values, BarColor (*colorOf)(int)) {
    int number = 1;
    for (int value : values) {
        addBar(number, value, colorOf(number));
        ++number;
    }
}

void StatisticChart::addNumberBars(std::span<const int> values) {
    int number = 1;
    for (int value : values)
        addBar(number++, value);
}

void StatisticChart::fixRangeToBars() {
    if (m_bars.empty()) {
        setFixedRange(0, 0);
        return;
    }
    const auto [smallest, largest] =
        std::minmax_element(m_bars.begin(), m_bars.end(),
                            [](const ChartBar& a, const ChartBar& b) { return a.value < b.value; });
    setFixedRange(smallest->value, largest->value);
}

void StatisticChart::setFixedRange(int minimum, int maximum) {
    m_automatic = false;
    m_fixed = {std::min(minimum, maximum), std::max(minimum, maximum)};
}

AxisRange StatisticChart::valueRange() const {
    return m_automatic ? automaticRangeOf(m_bars) : m_fixed;
}

AxisRange StatisticChart::shownRange() const {
    AxisRange range = valueRange();
    if (range.minimum > 0) {
        const int margin = std::max(1, (range.maximum - range.minimum) / 10);
        range.minimum = std::max(0, range.minimum - margin);
    }
    return range;
}

AxisRange StatisticChart::automaticRangeOf(const std::vector<ChartBar>& bars) {
    if (bars.empty())
        return {};
    const auto [smallest, largest] =
        std::minmax_element(bars.begin(), bars.end(),
                            [](const ChartBar& a, const ChartBar& b) { return a.value < b.value; });
    return {std::min(0, smallest->value), largest->value};
}

} // namespace powerball
