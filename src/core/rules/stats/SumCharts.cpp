#include "rules/stats/SumCharts.h"

#include "rules/stats/ChartCaptions.h"
#include "rules/stats/Rounding.h"

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
            const auto number = parseInteger(tips.field(r, f));
            if (!number)
                return counters;
            if (*number >= 1 && *number <= 69)
                ++counters[static_cast<std::size_t>(*number - 1)];
        }
    }
    return counters;
}

} // namespace

void chartCrossSums(const StatisticScan& scan, const MessageTable& messages,
                    StatisticChart& chart) {
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
    for (int sum = smallest; sum <= largest; ++sum)
        chart.addBar(sum, counters[static_cast<std::size_t>(sum)]);
    chart.setAutomaticRange();
    if (draws > 0)
        chart.setCaption([draws, average = averageHalfEven(total, draws)](
                             const MessageTable& m) { return crossSumCaption(m, draws, average); },
                         messages);
}

void chartTipDistribution(const TipSheet& tips, const MessageTable& messages,
                          StatisticChart& chart) {
    chart.startStatistic();
    chart.addNumberBars(countTipNumbers(tips), whiteNumberBarColor);
    chart.fixRangeToBars();
    chart.setCaption(messageText(Msg::TipDistribution), messages);
}

} // namespace powerball
