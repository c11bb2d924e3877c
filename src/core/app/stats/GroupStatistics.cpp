#include "stats/GroupStatistics.h"

#include "base/NumberMask.h"
#include "stats/ChartCaptions.h"
#include "stats/StatisticScan.h"

#include <array>
#include <span>

namespace powerball {

namespace {

NumberMask whiteNumbersOf(const DrawRecord& record) {
    NumberMask drawn;
    for (std::size_t k = 0; k < 5; ++k)
        if (record.numbers[k] >= 1 && record.numbers[k] <= 69)
            drawn.insert(record.numbers[k]);
    return drawn;
}

void showGroups(AppState& state, int runLength) {
    const StatisticScan scan(state, StatisticScan::StartDay::NotCounted);
    std::array<int, 70> counters{}; // by starting number; 0 stays unused
    int draws = 0;
    int total = 0;
    const DrawRecord* last = nullptr;
    scan.forEachDraw([&](const DrawRecord& record) {
        ++draws;
        last = &record;
        const NumberMask starts = whiteNumbersOf(record).runStarts(runLength);
        starts.forEach([&](int n) { ++counters[static_cast<std::size_t>(n)]; });
        total += starts.size();
    });
    if (last)
        state.currentDraw.numbers = last->drawNumbers();

    // Quads keep bars up to 69 although no quad starts above 66.
    const std::size_t barCount = runLength == 4 ? 69 : static_cast<std::size_t>(70 - runLength);
    StatisticChart& chart = state.chart;
    chart.addNumberBars(std::span<const int>(counters).subspan(1, barCount));
    if (runLength == 4)
        chart.setAutomaticRange();
    else
        chart.fixRangeToBars();
    chart.setCaption(groupCaption(state.messages, runLength, draws, total));
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
