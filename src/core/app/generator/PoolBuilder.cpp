#include "generator/PoolBuilder.h"

#include "sheet/TipSheet.h"
#include "stats/Rounding.h"
#include "stats/StatisticCommands.h"

#include <string>
#include <utility>

namespace powerball {

namespace {

struct Band {
    int lo = 0;
    int hi = 0;
};

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

    Band frequentGroupBand() const {
        return {roundHalfEven(m_max - (m_max - m_min) * 0.3), roundHalfEven(m_max)};
    }
    Band rareGroupBand() const { return {0, roundHalfEven(m_min + (m_max - m_min) * 0.3)}; }

    // Groups of `size` numbers: bar i stands for i+1 .. i+size; lo < value <= hi appends.
    void appendGroups(int size, Band band) {
        for (int i = 0; i <= m_state.chart.barCount() - size; ++i) {
            const int value = m_state.chart.value(i);
            if (band.lo < value && value <= band.hi)
                for (int n = i + 1; n <= i + size; ++n)
                    m_pool.append(n);
        }
    }

    // Numbers: bar i stands for i + 1; lo <= value <= hi appends `times`.
    void appendNumbers(Band band, int times) {
        for (int i = 0; i < m_state.chart.barCount(); ++i) {
            const int value = m_state.chart.value(i);
            if (band.lo <= value && value <= band.hi)
                m_pool.append(i + 1, times);
        }
    }

    // The two passes of the frequent and the outstanding numbers: the top P percent of the
    // range twice, the top P/2 percent once more.
    void appendTopNumbers(int percent, const char* firstMaxLabel) {
        const int hi = roundHalfEven(m_max);
        Band band{roundHalfEven(m_max - (m_max - m_min) * percent / 100.0), hi};
        showBand(band, firstMaxLabel);
        appendNumbers(band, 2);
        band.lo = roundHalfEven(m_max - (m_max - m_min) * percent / 200.0);
        showBand(band);
        appendNumbers(band, 1);
    }

    void appendBottomNumbers(int percent) {
        Band band{roundHalfEven(m_min), roundHalfEven(m_min + (m_max - m_min) * percent / 100.0)};
        showBand(band);
        appendNumbers(band, 2);
        band.hi = roundHalfEven(m_min + (m_max - m_min) * percent / 200.0);
        showBand(band);
        appendNumbers(band, 1);
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

} // namespace

std::optional<NumberPool> buildNumberPool(AppState& state, const Ports& ports,
                                          const std::array<DrawNumbers, 3>& lastDraws) {
    const CalculationSettings& options = state.settings;
    NumberPool pool;
    PoolBuild build(state, pool, ports.eventPump());

    // The groups of neighbours: for each size the frequent groups, then the rare ones, the
    // statistic run once for both.
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
    if (options.preferNeighbours) {
        build.showStatus(state.messages.text(Msg::NeighboursStatus));
        for (int slot = 1; slot <= 8; ++slot) {
            const int b = lastDraws[0].slot(slot);
            // Slots beyond the white range (a damaged record) add no number outside 1..69.
            if (b > 1 && b - 1 <= NumberPool::kHighest)
                pool.append(b - 1, 4);
            if (b < NumberPool::kHighest)
                pool.append(b + 1, 4);
        }
    }
    if (!options.onlyPreferred) {
        for (int n = 1; n <= NumberPool::kHighest; ++n)
            pool.append(n);
        pool.append(1);
    }

    if (options.limitLastDraw && options.maxLastDraw.value() == 0)
        removeWhiteNumbers(pool, lastDraws[0]);
    if (options.limitSecondLastDraw && options.maxSecondLastDraw.value() == 0)
        removeWhiteNumbers(pool, lastDraws[1]);
    if (options.limitThirdLastDraw && options.maxThirdLastDraw.value() == 0)
        removeWhiteNumbers(pool, lastDraws[2]);
    if (options.avoidMonthNumbers)
        pool.removeBelow(13);
    if (options.lessDateNumbers)
        for (int n = 1; n <= 31; ++n)
            pool.removeFirst(n);

    if (options.showNumberList) {
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
    }
    return pool;
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
        const int weight = TipSheet::parseInteger(boxes.weight(n)).value_or(0);
        if (weight > 0)
            pool.append(n, std::min(weight, kMaxWeight));
        else if (weight == 0)
            pool.append(n);
    }
    return pool;
}

} // namespace powerball
