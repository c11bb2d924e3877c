#include "generator/AcceptanceFilters.h"

#include "base/GameRules.h"

#include <algorithm>
#include <bit>

namespace powerball {

namespace {

std::array<int, 5> whiteOf(const TipCandidate& candidate) {
    return {candidate.values[0], candidate.values[1], candidate.values[2], candidate.values[3],
            candidate.values[4]};
}

} // namespace

AcceptanceFilters::AcceptanceFilters(const CalculationSettings& options, DrawView& view,
                                     StatisticChart& chart, HistorySnapshot& history,
                                     const std::array<DrawNumbers, 3>& lastDraws)
    : m_options(options), m_view(view), m_chart(chart), m_history(history), m_lastDraws(lastDraws) {
}

AcceptanceFilters::Row AcceptanceFilters::rowOf(const std::array<int, 5>& white) {
    Row row;
    row.white = white;
    for (std::size_t i = 0; i < 5; ++i) {
        const int n = white[i];
        if (n < 1 || n > 69) {
            row.exact = false;
            continue;
        }
        for (std::size_t j = 0; j < i; ++j)
            if (white[j] == n)
                row.exact = false;
        row.numbers.insert(n);
    }
    return row;
}

int AcceptanceFilters::sharedNumbers(const std::array<int, 5>& numbers,
                                     const std::array<int, 5>& other) {
    int count = 0;
    for (int n : numbers)
        for (int m : other)
            if (n == m)
                ++count;
    return count;
}

int AcceptanceFilters::shared(const Row& candidate, const Row& other) {
    if (candidate.exact && other.exact)
        return (candidate.numbers & other.numbers).size();
    return sharedNumbers(candidate.white, other.white);
}

int AcceptanceFilters::primeCount(const TipCandidate& candidate) {
    int count = 0;
    for (std::size_t i = 0; i < 6; ++i)
        if (isListedPrime(candidate.values[i]))
            ++count;
    return count;
}

void AcceptanceFilters::addEarlierRow(const std::array<int, 5>& white) {
    m_earlier.push_back(rowOf(white));
}

bool AcceptanceFilters::overlapFails(const Row& candidate) const {
    if (m_earlier.empty())
        return false;
    const CalculationSettings& options = m_options;
    const int maxOverlap = options.maxOverlap.value();
    const int minOverlap = options.minOverlap.value();
    int maxShared = 0;
    int minShared = 5 * 5;
    for (const Row& row : m_earlier) {
        const int s = shared(candidate, row);
        if (options.overlapEachTip && (s > maxOverlap || s < minOverlap))
            return true;
        maxShared = std::max(maxShared, s);
        minShared = std::min(minShared, s);
    }
    if (options.limitMaxOverlap && minShared > maxOverlap)
        return true;
    return options.limitMinOverlap && maxShared < minOverlap;
}

bool AcceptanceFilters::drawFails(const Row& candidate, const TipCandidate& tip,
                                  const DrawNumbers& draw, bool on, int maximum) const {
    if (!on || maximum <= 0)
        return false;
    const std::array<int, 5> drawWhite{draw.white(1), draw.white(2), draw.white(3), draw.white(4),
                                       draw.white(5)};
    int count = sharedNumbers(candidate.white, drawWhite);
    if (m_options.countPowerball && tip.powerball() == draw.powerball())
        ++count;
    return count > maximum;
}

bool AcceptanceFilters::historyFails(const Row& candidate, const TipCandidate& tip, double from,
                                     double to, int winClass) {
    if (!m_historyFresh) {
        m_history.refresh();
        m_historyFresh = true;
    }
    // How often each value occurs among the candidate's white numbers: a draw's hits are
    // the sum over its five numbers, each compared with each, as the sheet check counts.
    std::array<std::uint8_t, 256> occurrences{};
    for (int n : candidate.white)
        if (n >= 0 && n < 256)
            ++occurrences[static_cast<std::size_t>(n)];
    const int powerball = m_options.countPowerball ? tip.powerball() : -1;
    const auto& draws = m_history.draws();
    const auto [first, last] = m_history.window(from, to);
    const HistorySnapshot::Draw* lastRead = nullptr;
    bool fails = false;
    for (std::size_t i = first; i < last; ++i) {
        const HistorySnapshot::Draw& draw = draws[i];
        if (!(from < draw.date && draw.date <= to))
            continue;
        lastRead = &draw;
        const int hits = occurrences[draw.white[0]] + occurrences[draw.white[1]] +
                         occurrences[draw.white[2]] + occurrences[draw.white[3]] +
                         occurrences[draw.white[4]] + (draw.powerball == powerball);
        if (hits >= winClass) {
            fails = true;
            break;
        }
    }
    if (lastRead)
        m_view.currentDraw = {lastRead->date, lastRead->numbers};
    return fails;
}

AcceptanceFilters::Test AcceptanceFilters::firstFailing(const TipCandidate& tip) {
    const CalculationSettings& options = m_options;
    const Row candidate = rowOf(whiteOf(tip));
    m_historyFresh = false;
    const auto& w = tip.values;

    if (overlapFails(candidate))
        return Overlap;
    if (options.forcePair &&
        !(w[1] == w[0] + 1 || w[2] == w[1] + 1 || w[3] == w[2] + 1 || w[4] == w[3] + 1))
        return ForcedPair;
    if (options.noGroups && ((w[1] == w[0] + 1 && w[2] == w[1] + 1) ||
                             (w[2] == w[1] + 1 && w[3] == w[2] + 1) || w[4] == w[3] + 1))
        return NoGroups;
    const int crossSum = tip.crossSum();
    if (crossSum < options.crossSumMin.value() || crossSum > options.crossSumMax.value())
        return CrossSum;
    if (drawFails(candidate, tip, m_lastDraws[0], options.limitLastDraw,
                  options.maxLastDraw.value()))
        return LastDraw;
    if (drawFails(candidate, tip, m_lastDraws[1], options.limitSecondLastDraw,
                  options.maxSecondLastDraw.value()))
        return SecondLastDraw;
    if (drawFails(candidate, tip, m_lastDraws[2], options.limitThirdLastDraw,
                  options.maxThirdLastDraw.value()))
        return ThirdLastDraw;
    const int even =
        static_cast<int>(std::count_if(w.begin(), w.begin() + 5, [](int n) { return n % 2 == 0; }));
    if (options.minEvenOn && even < options.minEven.value())
        return EvenNumbers;
    if (options.minOddOn && 5 - even < options.minOdd.value())
        return OddNumbers;
    if (options.noEarlierWin) {
        m_chart.clearBars();
        m_view.scanFromDate = m_view.startDate;
        m_view.scanToDate = m_view.selectedDate;
        if (historyFails(candidate, tip, m_view.startDate, m_view.selectedDate,
                         options.earlierWinClass.value()))
            return EarlierWin;
    }
    if (options.noRecentWin) {
        m_chart.clearBars();
        m_view.scanToDate = m_view.selectedDate;
        if (historyFails(candidate, tip, m_view.selectedDate - 7.0 * options.recentWeeks.value(),
                         m_view.selectedDate, options.recentWinClass.value()))
            return RecentWin;
    }
    if (options.minPrimesOn && primeCount(tip) < options.minPrimes.value())
        return Primes;
    return Accepted;
}

} // namespace powerball
