#include "app/generator/AcceptanceFilters.h"

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
                                  const DrawNumbers& draw,
                                  const RowTests::LastDrawLimit& limit) const {
    if (!limit.on)
        return false;
    const std::array<int, 5> drawWhite{draw.white(1), draw.white(2), draw.white(3), draw.white(4),
                                       draw.white(5)};
    return RowTests::lastDrawFails(
        limit, RowTests::withPowerball(m_options, sharedNumbers(candidate.white, drawWhite),
                                       tip.powerball() == draw.powerball()));
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
    const std::array<int, 5> white = whiteOf(tip);
    const Row candidate = rowOf(white);
    m_historyFresh = false;

    if (overlapFails(candidate))
        return Test::Overlap;
    const std::array<bool, 4> pairs = RowTests::neighbourPairs(white);
    if (RowTests::pairFails(options, pairs))
        return Test::ForcedPair;
    if (RowTests::groupFails(options, pairs))
        return Test::NoGroups;
    if (RowTests::crossSumFails(options, tip.crossSum()))
        return Test::CrossSum;
    constexpr std::array<Test, 3> kLastDrawTests{Test::LastDraw, Test::SecondLastDraw,
                                                 Test::ThirdLastDraw};
    for (std::size_t k = 0; k < 3; ++k)
        if (drawFails(candidate, tip, m_lastDraws[k], RowTests::lastDrawLimit(options, k)))
            return kLastDrawTests[k];
    const int even = RowTests::evenCount(white);
    if (RowTests::evenFails(options, even))
        return Test::EvenNumbers;
    if (RowTests::oddFails(options, even))
        return Test::OddNumbers;
    if (options.noEarlierWin) {
        m_chart.clearBars();
        m_view.scanFromDate = m_view.startDate;
        m_view.scanToDate = m_view.selectedDate;
        if (historyFails(candidate, tip, m_view.startDate, m_view.selectedDate,
                         options.earlierWinClass.value()))
            return Test::EarlierWin;
    }
    if (options.noRecentWin) {
        m_chart.clearBars();
        m_view.scanToDate = m_view.selectedDate;
        if (historyFails(candidate, tip, m_view.selectedDate - 7.0 * options.recentWeeks.value(),
                         m_view.selectedDate, options.recentWinClass.value()))
            return Test::RecentWin;
    }
    if (RowTests::primesFail(options, primeCount(tip)))
        return Test::Primes;
    return Test::Accepted;
}

} // namespace powerball
