#include "rules/evaluation/PrizeTiers.h"

#include <algorithm>
#include <array>

namespace powerball::PrizeTiers {

namespace {

struct TierFacts {
    std::string_view name;
    double odds;
    std::int64_t prizeUsd;
};

// By PrizeTier, lowest first; the odds of a row of five of 69 and one of 26.
constexpr std::array<TierFacts, 10> kFacts{{
    {"", 0.0, 0},
    {"PB", 38.32, 4},
    {"1 + PB", 91.98, 4},
    {"2 + PB", 701.33, 7},
    {"3", 579.76, 7},
    {"3 + PB", 14'494.11, 100},
    {"4", 36'525.17, 100},
    {"4 + PB", 913'129.18, 50'000},
    {"5", 11'688'053.52, 1'000'000},
    {"5 + PB", 292'201'338.0, 0},
}};

const TierFacts& facts(PrizeTier tier) {
    return kFacts[static_cast<std::size_t>(tier)];
}

} // namespace

PrizeTier tierOf(const MatchClass& match) {
    if (match.hits == 5)
        return match.pbHit ? PrizeTier::Jackpot : PrizeTier::Five;
    if (match.hits == 4)
        return match.pbHit ? PrizeTier::FourPlusPowerball : PrizeTier::Four;
    if (match.hits == 3)
        return match.pbHit ? PrizeTier::ThreePlusPowerball : PrizeTier::Three;
    if (!match.pbHit || match.hits < 0)
        return PrizeTier::None;
    constexpr std::array<PrizeTier, 3> withPowerball{
        PrizeTier::Powerball, PrizeTier::OnePlusPowerball, PrizeTier::TwoPlusPowerball};
    return withPowerball[static_cast<std::size_t>(match.hits)];
}

std::string_view tierName(PrizeTier tier) {
    return facts(tier).name;
}

double odds(PrizeTier tier) {
    return facts(tier).odds;
}

std::int64_t basePrizeUsd(PrizeTier tier) {
    return facts(tier).prizeUsd;
}

namespace {

std::int64_t powerPlayPrize(PrizeTier tier, int powerPlay) {
    if (tier == PrizeTier::Five)
        return kFivePowerPlayUsd;
    return basePrizeUsd(tier) * std::max(powerPlay, 1);
}

} // namespace

RowPrize prizeOf(const MatchClass& match, double drawDate, int powerPlay) {
    RowPrize prize;
    prize.tier = tierOf(match);
    prize.prizeKnown = drawDate >= kTableFrom;
    if (prize.prizeKnown) {
        prize.usd = basePrizeUsd(prize.tier);
        prize.powerPlayUsd = powerPlayPrize(prize.tier, powerPlay);
    }
    return prize;
}

namespace {

template <class PrizeOfTier> double expected(PrizeOfTier prizeOfTier) {
    double sum = 0.0;
    for (std::size_t k = 1; k + 1 < kFacts.size(); ++k) // neither no tier nor the jackpot
        sum += static_cast<double>(prizeOfTier(static_cast<PrizeTier>(k))) / kFacts[k].odds;
    return sum;
}

} // namespace

double expectedWinUsd() {
    return expected(basePrizeUsd);
}

double expectedPowerPlayWinUsd(int powerPlay) {
    return expected([powerPlay](PrizeTier tier) { return powerPlayPrize(tier, powerPlay); });
}

} // namespace powerball::PrizeTiers
