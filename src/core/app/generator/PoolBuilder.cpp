#include "app/generator/PoolBuilder.h"

#include "app/stats/StatisticCommands.h"
#include "rules/generator/PoolBands.h"
#include "rules/sheet/TipSheet.h"

#include <array>
#include <string>
#include <utility>

namespace powerball {

namespace {

class PoolBuild {
public:
    PoolBuild(AppState& state, NumberPool& pool, EventPump& events)
        : m_state(state), m_pool(pool), m_events(events) {}

    // A step's status text; the window gets to paint it before the step works on.
    void showStatus(std::string text) {
        m_state.status[1] = std::move(text);
        m_events.processEvents();
    }

    // Writes the step's message, runs the statistic with the chart page in front and reads
    // back the range of its value axis.
    void runStatistic(int message, StatisticKind kind) {
        showStatus(m_state.messages.text(message));
        m_state.pageInFront = Page::Chart;
        powerball::runStatistic(m_state, kind);
        m_min = m_state.chart.axisMinimum();
        m_max = m_state.chart.axisMaximum();
    }

    void showBand(Band band, const char* maxLabel = "  Max: ") {
        showStatus("Min: " + std::to_string(band.lo) + maxLabel + std::to_string(band.hi) + "  " +
                   std::to_string(m_pool.size()));
    }

    Band frequentGroupBand() const { return powerball::frequentGroupBand(m_min, m_max); }
    Band rareGroupBand() const { return powerball::rareGroupBand(m_min, m_max); }

    void appendGroups(int size, Band band) {
        powerball::appendGroups(m_pool, m_state.chart, size, band);
    }

    // The two passes of the frequent and the outstanding numbers: the top P percent of the
    // range twice, the top P/2 percent once more.
    void appendTopNumbers(int percent, const char* firstMaxLabel) {
        Band band = topBand(m_min, m_max, percent, 100.0);
        showBand(band, firstMaxLabel);
        appendNumbers(m_pool, m_state.chart, band, 2);
        band.lo = topBand(m_min, m_max, percent, 200.0).lo;
        showBand(band);
        appendNumbers(m_pool, m_state.chart, band, 1);
    }

    void appendBottomNumbers(int percent) {
        Band band = bottomBand(m_min, m_max, percent, 100.0);
        showBand(band);
        appendNumbers(m_pool, m_state.chart, band, 2);
        band.hi = bottomBand(m_min, m_max, percent, 200.0).hi;
        showBand(band);
        appendNumbers(m_pool, m_state.chart, band, 1);
    }

private:
    AppState& m_state;
    NumberPool& m_pool;
    EventPump& m_events;
    double m_min = 0;
    double m_max = 0;
};

// One size of neighbour groups as the pool takes it in.
struct GroupPreference {
    bool CalculationSettings::*frequent;
    bool CalculationSettings::*rare;
    StatisticKind statistic;
    int size;
    int message;
    const char* rareMaxLabel; // the rare quads' status has one blank less before "Max:"
};

constexpr GroupPreference kGroupPreferences[] = {
    {&CalculationSettings::preferPairs, &CalculationSettings::preferRarePairs, StatisticKind::Pairs,
     2, Msg::PairsStatus, "  Max: "},
    {&CalculationSettings::preferTriples, &CalculationSettings::preferRareTriples,
     StatisticKind::Triples, 3, Msg::TriplesStatus, "  Max: "},
    {&CalculationSettings::preferQuads, &CalculationSettings::preferRareQuads, StatisticKind::Quads,
     4, Msg::QuadsStatus, " Max: "},
};

void removeWhiteNumbers(NumberPool& pool, const DrawNumbers& draw) {
    for (int position = 1; position <= 5; ++position)
        pool.removeAll(draw.white(position));
}

// Step 1: the groups of neighbours, for each size the frequent groups, then the rare ones,
// the statistic run once for both.
void appendGroupPreferences(PoolBuild& build, const CalculationSettings& options) {
    for (const GroupPreference& group : kGroupPreferences) {
        const bool frequent = options.*group.frequent;
        if (frequent) {
            build.runStatistic(group.message, group.statistic);
            const Band band = build.frequentGroupBand();
            build.showBand(band);
            build.appendGroups(group.size, band);
        }
        if (options.*group.rare) {
            if (!frequent)
                build.runStatistic(group.message, group.statistic);
            const Band band = build.rareGroupBand();
            build.showBand(band, group.rareMaxLabel);
            build.appendGroups(group.size, band);
        }
    }
}

// Step 2: the frequent, the rare and the outstanding numbers.
void appendNumberPreferences(PoolBuild& build, const CalculationSettings& options) {
    if (options.preferFrequent) {
        build.runStatistic(Msg::FrequencyStatus, StatisticKind::NumberFrequency);
        build.appendTopNumbers(options.frequentPercent.value(), "  Max: ");
    }
    if (options.preferRare) {
        if (!options.preferFrequent)
            build.runStatistic(Msg::FrequencyStatus, StatisticKind::NumberFrequency);
        build.appendBottomNumbers(options.rarePercent.value());
    }
    if (options.preferOverdue) {
        build.runStatistic(Msg::OverdueStatus, StatisticKind::OverdueNumbers);
        build.appendTopNumbers(options.overduePercent.value(), " Max: ");
    }
}

// Step 3: the neighbours of the last draw's numbers, four times each.
void appendNeighbours(NumberPool& pool, const DrawNumbers& lastDraw) {
    for (int slot = 1; slot <= 8; ++slot) {
        const int b = lastDraw.slot(slot);
        // Slots beyond the white range (a damaged record) add no number outside 1..69.
        if (b > 1 && b - 1 <= NumberPool::kHighest)
            pool.append(b - 1, 4);
        if (b < NumberPool::kHighest)
            pool.append(b + 1, 4);
    }
}

// Step 4: every number once, unless only the preferred ones may be drawn; 1 once more.
void appendAllNumbers(NumberPool& pool) {
    for (int n = 1; n <= NumberPool::kHighest; ++n)
        pool.append(n);
    pool.append(1);
}

// Step 5: what the options leave out: the numbers of a last draw no row may share any with,
// the month numbers, and one of each date number.
void removeExcludedNumbers(NumberPool& pool, const CalculationSettings& options,
                           const std::array<DrawNumbers, 3>& lastDraws) {
    const std::array<std::pair<bool, int>, 3> lastDrawMaximum{
        std::pair{options.limitLastDraw, options.maxLastDraw.value()},
        std::pair{options.limitSecondLastDraw, options.maxSecondLastDraw.value()},
        std::pair{options.limitThirdLastDraw, options.maxThirdLastDraw.value()}};
    for (std::size_t k = 0; k < 3; ++k)
        if (lastDrawMaximum[k].first && lastDrawMaximum[k].second == 0)
            removeWhiteNumbers(pool, lastDraws[k]);
    if (options.avoidMonthNumbers)
        pool.removeBelow(13);
    if (options.lessDateNumbers)
        for (int n = 1; n <= 31; ++n)
            pool.removeFirst(n);
}

// Step 6: the number list, when the options ask to see it; the user may keep the pool, edit
// it or stop the run (nullopt).
std::optional<NumberPool> confirmPool(AppState& state, const Ports& ports, NumberPool pool) {
    if (!state.settings.showNumberList)
        return pool;
    state.pageInFront = Page::TipOverview;
    NumberListBoxes& boxes = state.numberList;
    showPoolInBoxes(pool, boxes);
    state.generator.busy = false;
    state.changed();
    switch (ports.userPrompts().askPoolNumbers(boxes)) {
    case PoolListAnswer::Keep:
        break;
    case PoolListAnswer::Rebuild:
        pool = poolFromBoxes(boxes);
        break;
    case PoolListAnswer::Abort:
        return std::nullopt;
    }
    state.generator.busy = true;
    return pool;
}

} // namespace

std::optional<NumberPool> buildNumberPool(AppState& state, const Ports& ports,
                                          const std::array<DrawNumbers, 3>& lastDraws) {
    const CalculationSettings& options = state.settings;
    NumberPool pool;
    PoolBuild build(state, pool, ports.eventPump());
    appendGroupPreferences(build, options);
    appendNumberPreferences(build, options);
    if (options.preferNeighbours) {
        build.showStatus(state.messages.text(Msg::NeighboursStatus));
        appendNeighbours(pool, lastDraws[0]);
    }
    if (!options.onlyPreferred)
        appendAllNumbers(pool);
    removeExcludedNumbers(pool, options, lastDraws);
    return confirmPool(state, ports, std::move(pool));
}

void showPoolInBoxes(const NumberPool& pool, NumberListBoxes& boxes) {
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
        const int count = pool.count(n);
        boxes.setTicked(n, count > 0);
        boxes.setWeight(n, std::to_string(count));
    }
}

NumberPool poolFromBoxes(const NumberListBoxes& boxes) {
    NumberPool pool;
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
        if (!boxes.isTicked(n))
            continue;
        const int weight = parseInteger(boxes.weight(n)).value_or(0);
        if (weight > 0)
            pool.append(n, std::min(weight, kMaxWeight));
        else if (weight == 0)
            pool.append(n);
    }
    return pool;
}

} // namespace powerball
