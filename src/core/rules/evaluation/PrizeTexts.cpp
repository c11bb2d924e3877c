#include "rules/evaluation/PrizeTexts.h"

#include <cmath>
#include <cstdio>

namespace powerball::PrizeTexts {

std::string dollars(const TextFormat& format, std::int64_t usd) {
    return format.money(usd);
}

std::string dollars(const TextFormat& format, double usd) {
    return format.money(usd);
}

std::string odds(const TextFormat& format, double oneIn) {
    if (oneIn == std::floor(oneIn))
        return format.count(static_cast<long long>(oneIn));
    return format.amount(oneIn, 2);
}

std::string rowHint(const MessageTable& messages, const RowPrize& prize) {
    const TextFormat format(messages.language());
    if (prize.tier == PrizeTier::None)
        return messages.text(Msg::NoPrizeTier);
    std::string hint =
        messages.text(Msg::PrizeTierWord) + std::string(PrizeTiers::tierName(prize.tier));
    if (!prize.prizeKnown)
        return hint + "\n" + messages.text(Msg::PrizeUnknownBefore);
    if (prize.tier == PrizeTier::Jackpot) {
        hint += "\n" + messages.text(Msg::PrizeWord) + messages.text(Msg::Jackpot);
    } else {
        hint += "\n" + messages.text(Msg::PrizeWord) + dollars(format, prize.usd);
        hint += "\n" + messages.text(Msg::WithPowerPlay) + dollars(format, prize.powerPlayUsd);
    }
    return hint + "\n" + messages.text(Msg::OddsOneIn) + odds(format, PrizeTiers::odds(prize.tier));
}

std::string sheetTotal(const MessageTable& messages, const SheetPrizes& prizes) {
    if (!prizes.wonAnything())
        return {};
    const TextFormat format(messages.language());
    const std::string jackpot =
        prizes.jackpots > 0 ? " + " + messages.text(Msg::Jackpot) : std::string();
    return messages.text(Msg::SheetWinnings) + dollars(format, prizes.totalUsd) + jackpot + " (" +
           messages.text(Msg::WithPowerPlay) + dollars(format, prizes.totalPowerPlayUsd) + jackpot +
           ")";
}

} // namespace powerball::PrizeTexts
