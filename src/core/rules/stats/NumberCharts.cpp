#include "rules/stats/NumberCharts.h"

#include "base/GameRules.h"
#include "rules/stats/ChartCaptions.h"
#include "rules/stats/Rounding.h"

#include <array>
#include <cstdint>

namespace powerball {

namespace {

using WhiteCounters = std::array<int, kHighestWhite>; // counter n - 1 for number n
using PowerballCounters = std::array<int, kHighestPowerball>;

bool isWhiteNumber(int n) {
    return n >= 1 && n <= kHighestWhite;
}
bool isPowerball(int n) {
    return n >= 1 && n <= kHighestPowerball;
}

template <class Visitor> void forEachWhiteNumber(const DrawRecord& record, Visitor&& visit) {
    for (std::size_t k = 0; k < 5; ++k)
        if (isWhiteNumber(record.numbers[k]))
            visit(static_cast<std::size_t>(record.numbers[k] - 1));
}

int powerballOf(const DrawRecord& record) {
    return record.numbers[6];
}

void showWhiteCounters(StatisticChart& chart, const WhiteCounters& counters) {
    chart.addNumberBars(counters, whiteNumberBarColor);
    chart.fixRangeToBars();
}

void showPowerballCounters(StatisticChart& chart, const PowerballCounters& counters) {
    chart.addNumberBars(counters);
    chart.fixRangeToBars();
}

} // namespace

void chartNumberFrequency(const StatisticScan& scan, const MessageTable& messages,
                          StatisticChart& chart) {
    WhiteCounters counters{};
    std::int64_t crossSums = 0;
    int draws = 0;
    scan.forEachDraw([&](const DrawRecord& record) {
        forEachWhiteNumber(record, [&](std::size_t i) { ++counters[i]; });
        crossSums += record.drawNumbers().crossSum();
        ++draws;
    });
    showWhiteCounters(chart, counters);
    if (draws > 0)
        chart.setCaption([draws, average = averageHalfEven(crossSums, draws)](
                             const MessageTable& m) { return frequencyCaption(m, draws, average); },
                         messages);
}

void chartOverdueNumbers(const StatisticScan& scan, const MessageTable& messages,
                         StatisticChart& chart) {
    WhiteCounters counters;
    counters.fill(1);
    scan.forEachDraw([&](const DrawRecord& record) {
        for (int& counter : counters)
            ++counter;
        forEachWhiteNumber(record, [&](std::size_t i) { counters[i] = 1; });
    });
    showWhiteCounters(chart, counters);
    chart.setCaption(messageText(Msg::OverdueCaption), messages);
}

void chartPowerballFrequency(const StatisticScan& scan, const MessageTable& messages,
                             StatisticChart& chart) {
    PowerballCounters counters{};
    scan.forEachDraw([&](const DrawRecord& record) {
        if (isPowerball(powerballOf(record)))
            ++counters[static_cast<std::size_t>(powerballOf(record) - 1)];
    });
    showPowerballCounters(chart, counters);
    chart.setCaption(messageText(Msg::PowerballFrequencyCaption), messages);
}

void chartOverduePowerballs(const StatisticScan& scan, const MessageTable& messages,
                            StatisticChart& chart) {
    PowerballCounters counters{};
    scan.forEachDraw([&](const DrawRecord& record) {
        for (int& counter : counters)
            ++counter;
        if (isPowerball(powerballOf(record)))
            counters[static_cast<std::size_t>(powerballOf(record) - 1)] = 1;
    });
    showPowerballCounters(chart, counters);
    chart.setCaption(messageText(Msg::OverduePowerballCaption), messages);
}

} // namespace powerball
