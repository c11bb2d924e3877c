#pragma once

#include "base/DrawCalendar.h"
#include "rules/evaluation/MatchClass.h"

#include <cstdint>
#include <string_view>

namespace powerball {

// The prize tiers of today's game (five of 69, a Powerball of 26), lowest first.
enum class PrizeTier {
    None,
    Powerball,
    OnePlusPowerball,
    TwoPlusPowerball,
    Three,
    ThreePlusPowerball,
    Four,
    FourPlusPowerball,
    Five,
    Jackpot
};

// What one row won against one draw. The fixed prizes hold for draws since 7 October 2015;
// for older draws (other drums, other prizes) only the tier is known. The jackpot has no
// fixed amount and counts 0 in every sum.
struct RowPrize {
    PrizeTier tier = PrizeTier::None;
    bool prizeKnown = false;       // the draw falls under today's prize table
    std::int64_t usd = 0;          // without Power Play
    std::int64_t powerPlayUsd = 0; // with Power Play ($1 more per row)

    bool operator==(const RowPrize&) const = default;
};

namespace PrizeTiers {

inline constexpr DayNumber kTableFrom = 42284; // 7 October 2015, the first draw of today's game
inline constexpr std::int64_t kRowCostUsd = 2;
inline constexpr std::int64_t kPowerPlayCostUsd = 1; // on top of the row's price
inline constexpr std::int64_t kFivePowerPlayUsd = 2'000'000;

PrizeTier tierOf(const MatchClass& match);

// "5 + PB", "4", "PB"; empty for no tier. The same in every language.
std::string_view tierName(PrizeTier tier);

// A random row reaches the tier once in this many rows (0 for no tier).
double odds(PrizeTier tier);

// The fixed prize without Power Play; 0 for the jackpot and for no tier.
std::int64_t basePrizeUsd(PrizeTier tier);

// The prize of a row with the match against a draw of that date and Power Play value. Power
// Play multiplies every fixed prize but Match 5, which pays $2,000,000; a draw stored
// without its multiplier (0) pays the base prizes.
RowPrize prizeOf(const MatchClass& match, double drawDate, int powerPlay);

// What one random row is expected to win (the jackpot left out): without Power Play, or
// with it against a draw of that multiplier.
double expectedWinUsd();
double expectedPowerPlayWinUsd(int powerPlay);

} // namespace PrizeTiers

} // namespace powerball
