#include "rules/generator/RowTests.h"

namespace powerball {

std::string_view acceptanceTestName(AcceptanceTest test) {
    static constexpr std::array<std::string_view, kAcceptanceTestCount> kNames{
        "accepted",    "overlap",          "forced_pair",     "no_groups",    "cross_sum",
        "last_draw",   "second_last_draw", "third_last_draw", "even_numbers", "odd_numbers",
        "earlier_win", "recent_win",       "primes"};
    return kNames[static_cast<std::size_t>(test)];
}

} // namespace powerball
