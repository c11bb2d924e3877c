#include "stats/NumberStatistics.h"

#include "stats/ChartCaptions.h"
#include "stats/Rounding.h"
#include "stats/StatisticScan.h"

#include <array>
#include <cstdint>

namespace powerball {

namespace {

constexpr int kWhiteNumbers = 69;
constexpr int kPowerballs = 26;

using WhiteCounters = std::array<int, kWhiteNumbers>; // counter n - 1 for number n
using PowerballCounters = std::array<int, kPowerballs>;

bool isWhiteNumber(int n) {
    return n >= 1 && n <= kWhiteNumbers;
}
bool isPowerball(int n) {
    return n >= 1 && n <= kPowerballs;
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

void showNumberFrequency(AppState& state) {
    const StatisticScan scan(state, StatisticScan::StartDay::Counted);
    WhiteCounters counters{};
    std::int64_t crossSums = 0;
    int draws = 0;
    scan.forEachDraw([&](const DrawRecord& record) {
        forEachWhiteNumber(record, [&](std::size_t i) { ++counters[i]; });
        crossSums += record.drawNumbers().crossSum();
        ++draws;
    });
    showWhiteCounters(state.chart, counters);
    if (draws > 0)
        state.chart.setCaption(
            frequencyCaption(state.messages, draws, averageHalfEven(crossSums, draws)));
    state.changed();
}

void showOverdueNumbers(AppState& state) {
    const StatisticScan scan(state, StatisticScan::StartDay::NotCounted);
    WhiteCounters counters;
    counters.fill(1);
    scan.forEachDraw([&](const DrawRecord& record) {
        for (int& counter : counters)
            ++counter;
        forEachWhiteNumber(record, [&](std::size_t i) { counters[i] = 1; });
    });
    showWhiteCounters(state.chart, counters);
    state.chart.setCaption(state.messages.text(Msg::OverdueCaption));
    state.pageInFront = Page::Chart;
    state.changed();
}

void showPowerballFrequency(AppState& state) {
    const StatisticScan scan(state, StatisticScan::StartDay::Counted);
    PowerballCounters counters{};
    scan.forEachDraw([&](const DrawRecord& record) {
        if (isPowerball(powerballOf(record)))
            ++counters[static_cast<std::size_t>(powerballOf(record) - 1)];
    });
    showPowerballCounters(state.chart, counters);
    state.chart.setCaption(state.messages.text(Msg::PowerballFrequencyCaption));
    state.changed();
}

void showOverduePowerballs(AppState& state) {
    const StatisticScan scan(state, StatisticScan::StartDay::NotCounted);
    PowerballCounters counters{};
    scan.forEachDraw([&](const DrawRecord& record) {
        for (int& counter : counters)
            ++counter;
        if (isPowerball(powerballOf(record)))
            counters[static_cast<std::size_t>(powerballOf(record) - 1)] = 1;
    });
    showPowerballCounters(state.chart, counters);
    state.chart.setCaption(state.messages.text(Msg::OverduePowerballCaption));
    if (!state.generatorRunning)
        state.pageInFront = Page::Chart;
    state.changed();
}

} // namespace powerball
