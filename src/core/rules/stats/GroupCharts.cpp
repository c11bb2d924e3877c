#include "rules/stats/GroupCharts.h"

#include "base/NumberMask.h"
#include "rules/stats/ChartCaptions.h"

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

} // namespace

std::optional<DrawNumbers> chartGroups(const StatisticScan& scan, int runLength,
                                       const MessageTable& messages, StatisticChart& chart) {
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

    // Quads keep bars up to 69 although no quad starts above 66.
    const std::size_t barCount = runLength == 4 ? 69 : static_cast<std::size_t>(70 - runLength);
    chart.addNumberBars(std::span<const int>(counters).subspan(1, barCount));
    if (runLength == 4)
        chart.setAutomaticRange();
    else
        chart.fixRangeToBars();
    chart.setCaption(
        [runLength, draws, total](const MessageTable& m) {
            return groupCaption(m, runLength, draws, total);
        },
        messages);
    if (!last)
        return std::nullopt;
    return last->drawNumbers();
}

} // namespace powerball
