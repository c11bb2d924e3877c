#include "stats/DistributionCharts.h"

#include "stats/ChartCaptions.h"
#include "stats/Rounding.h"
#include "stats/StatisticScan.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace powerball {

namespace {

constexpr int kLargestCrossSum = 345;

// Counts the white numbers of the sheet up to the first field that holds no number.
std::array<int, 69> countTipNumbers(const TipSheet& tips) {
    std::array<int, 69> counters{};
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        for (int f = 0; f < TipRow::kWhiteCount; ++f) {
            const auto number = TipSheet::parseInteger(tips.field(r, f));
            if (!number)
                return counters;
            if (*number >= 1 && *number <= 69)
                ++counters[static_cast<std::size_t>(*number - 1)];
        }
    }
    return counters;
}

} // namespace

void showCrossSums(AppState& state) {
    const StatisticScan scan(state, StatisticScan::StartDay::NotCounted);
    std::array<int, kLargestCrossSum + 1> counters{};
    int smallest = 500;
    int largest = 0;
    int draws = 0;
    std::int64_t total = 0;
    scan.forEachDraw([&](const DrawRecord& record) {
        const int sum = record.drawNumbers().crossSum();
        if (sum <= kLargestCrossSum) {
            ++counters[static_cast<std::size_t>(sum)];
            smallest = std::min(smallest, sum);
            largest = std::max(largest, sum);
        }
        ++draws;
        total += sum;
    });
    StatisticChart& chart = state.chart;
    for (int sum = smallest; sum <= largest; ++sum)
        chart.addBar(sum, counters[static_cast<std::size_t>(sum)]);
    chart.setAutomaticRange();
    if (draws > 0)
        chart.setCaption(crossSumCaption(state.messages, draws, averageHalfEven(total, draws)));
    state.changed();
}

void showTipDistribution(AppState& state) {
    StatisticChart& chart = state.chart;
    chart.startStatistic();
    chart.addNumberBars(countTipNumbers(state.tips), whiteNumberBarColor);
    chart.fixRangeToBars();
    chart.setCaption(state.messages.text(Msg::TipDistribution));
    state.pageInFront = Page::Chart;
    state.changed();
}

} // namespace powerball
