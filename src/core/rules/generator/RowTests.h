#pragma once

#include "base/GameRules.h"
#include "rules/generator/CalculationSettings.h"

#include <array>
#include <string_view>

namespace powerball {

// The acceptance filters in the order a generated row meets them. Accepted is no filter: it
// is what a row that passes them all gets.
enum class AcceptanceTest {
    Accepted = 0,
    Overlap,
    ForcedPair,
    NoGroups,
    CrossSum,
    LastDraw,
    SecondLastDraw,
    ThirdLastDraw,
    EvenNumbers,
    OddNumbers,
    EarlierWin,
    RecentWin,
    Primes,
};
inline constexpr int kAcceptanceTestCount = static_cast<int>(AcceptanceTest::Primes) + 1;

// A stable English name for the command line's JSON and the cost table: "cross_sum" ...
std::string_view acceptanceTestName(AcceptanceTest test);

// The tests that read only a row's numbers and the options, each written once: the
// generator's filter chain and the measure of what the filters cost both call these. The
// white numbers are ascending; a test that is switched off never fails.
namespace RowTests {

// Whether the whites hold two neighbours (n, n+1) at positions i and i+1.
inline std::array<bool, 4> neighbourPairs(const std::array<int, 5>& w) {
    return {w[1] == w[0] + 1, w[2] == w[1] + 1, w[3] == w[2] + 1, w[4] == w[3] + 1};
}

// "Erzwinge ein Zahlenpaar": at least one pair of neighbours.
inline bool pairFails(const CalculationSettings& options, const std::array<bool, 4>& pairs) {
    return options.forcePair && !(pairs[0] || pairs[1] || pairs[2] || pairs[3]);
}

// "Keine Gruppen": no run of three neighbours. A pair in the last two places counts as a
// group too, as it always has.
inline bool groupFails(const CalculationSettings& options, const std::array<bool, 4>& pairs) {
    return options.noGroups && ((pairs[0] && pairs[1]) || (pairs[1] && pairs[2]) || pairs[3]);
}

inline bool crossSumFails(const CalculationSettings& options, int crossSum) {
    return crossSum < options.crossSumMin.value() || crossSum > options.crossSumMax.value();
}

inline int evenCount(const std::array<int, 5>& w) {
    return ((w[0] & 1) ^ 1) + ((w[1] & 1) ^ 1) + ((w[2] & 1) ^ 1) + ((w[3] & 1) ^ 1) +
           ((w[4] & 1) ^ 1);
}

inline bool evenFails(const CalculationSettings& options, int even) {
    return options.minEvenOn && even < options.minEven.value();
}

inline bool oddFails(const CalculationSettings& options, int even) {
    return options.minOddOn && 5 - even < options.minOdd.value();
}

// One of the last three draws (0 the last): the shared numbers, with the Powerball already
// counted in when the options say so, may not exceed the maximum. A maximum of 0 is no test:
// the pool then lacks that draw's numbers.
struct LastDrawLimit {
    bool on = false;
    int maximum = 0;
};
inline LastDrawLimit lastDrawLimit(const CalculationSettings& options, std::size_t k) {
    const std::array<LastDrawLimit, 3> limits{
        LastDrawLimit{options.limitLastDraw, options.maxLastDraw.value()},
        LastDrawLimit{options.limitSecondLastDraw, options.maxSecondLastDraw.value()},
        LastDrawLimit{options.limitThirdLastDraw, options.maxThirdLastDraw.value()}};
    const LastDrawLimit limit = limits[k];
    return {limit.on && limit.maximum > 0, limit.maximum};
}
inline bool lastDrawFails(const LastDrawLimit& limit, int shared) {
    return limit.on && shared > limit.maximum;
}
// The hits the last-draw and history tests count: the Powerball adds one when it matches
// and the options count it.
inline int withPowerball(const CalculationSettings& options, int sharedWhite,
                         bool powerballMatches) {
    return sharedWhite + (options.countPowerball && powerballMatches ? 1 : 0);
}

// The primes up to 47 among the five white numbers and the Powerball.
inline bool primesFail(const CalculationSettings& options, int primes) {
    return options.minPrimesOn && primes < options.minPrimes.value();
}

// The five tests of the white numbers alone, all at once: whether the whites pass them.
inline bool whitesPass(const CalculationSettings& options, const std::array<int, 5>& w) {
    const std::array<bool, 4> pairs = neighbourPairs(w);
    if (pairFails(options, pairs) || groupFails(options, pairs) ||
        crossSumFails(options, w[0] + w[1] + w[2] + w[3] + w[4]))
        return false;
    const int even = evenCount(w);
    return !evenFails(options, even) && !oddFails(options, even);
}

} // namespace RowTests

} // namespace powerball
