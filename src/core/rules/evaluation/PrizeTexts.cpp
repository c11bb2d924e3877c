#include "rules/evaluation/PrizeTexts.h"

#include <cmath>
#include <cstdio>

namespace powerball::PrizeTexts {

namespace {

// The program writes numbers with "." between thousands and "," before decimals, whatever
// the user's locale.
std::string grouped(std::int64_t value) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -value : value);
    for (std::size_t k = digits.size(); k > 3; k -= 3)
        digits.insert(k - 3, ".");
    return negative ? "-" + digits : digits;
}

std::string withCents(double value) {
    const auto cents = static_cast<std::int64_t>(std::llround(value * 100.0));
    char decimals[8];
    std::snprintf(decimals, sizeof decimals, ",%02d", static_cast<int>(std::llabs(cents % 100)));
    return grouped(cents / 100) + decimals;
}

} // namespace

std::string dollars(std::int64_t usd) {
    return "$" + grouped(usd);
}

std::string dollars(double usd) {
    return "$" + withCents(usd);
}

std::string odds(double oneIn) {
    if (oneIn == std::floor(oneIn))
        return grouped(static_cast<std::int64_t>(oneIn));
    return withCents(oneIn);
}

std::string rowHint(const MessageTable& messages, const RowPrize& prize) {
    if (prize.tier == PrizeTier::None)
        return messages.text(Msg::NoPrizeTier);
    std::string hint =
        messages.text(Msg::PrizeTierWord) + std::string(PrizeTiers::tierName(prize.tier));
    if (!prize.prizeKnown)
        return hint + "\n" + messages.text(Msg::PrizeUnknownBefore);
    if (prize.tier == PrizeTier::Jackpot) {
        hint += "\n" + messages.text(Msg::PrizeWord) + messages.text(Msg::Jackpot);
    } else {
        hint += "\n" + messages.text(Msg::PrizeWord) + dollars(prize.usd);
        hint += "\n" + messages.text(Msg::WithPowerPlay) + dollars(prize.powerPlayUsd);
    }
    return hint + "\n" + messages.text(Msg::OddsOneIn) + odds(PrizeTiers::odds(prize.tier));
}

std::string sheetTotal(const MessageTable& messages, const SheetPrizes& prizes) {
    if (!prizes.wonAnything())
        return {};
    const std::string jackpot =
        prizes.jackpots > 0 ? " + " + messages.text(Msg::Jackpot) : std::string();
    return messages.text(Msg::SheetWinnings) + dollars(prizes.totalUsd) + jackpot + " (" +
           messages.text(Msg::WithPowerPlay) + dollars(prizes.totalPowerPlayUsd) + jackpot + ")";
}

} // namespace powerball::PrizeTexts
