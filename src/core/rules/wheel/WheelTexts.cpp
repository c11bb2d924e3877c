#include "rules/wheel/WheelTexts.h"

#include "base/DrawCalendar.h"
#include "base/TextFormat.h"
#include "rules/evaluation/PrizeTexts.h"

namespace powerball::WheelTexts {

std::string rowCount(const MessageTable& messages, std::size_t rows, std::uint64_t lowerBound) {
    if (lowerBound == 0)
        return fillPlaceholders(messages.text(Msg::WheelRowsNoBound), {std::to_string(rows)});
    return fillPlaceholders(messages.text(Msg::WheelRows),
                            {std::to_string(rows), std::to_string(lowerBound)});
}

std::string cost(const MessageTable& messages, std::size_t rows) {
    const auto count = static_cast<std::int64_t>(rows);
    const TextFormat format(messages.language());
    return fillPlaceholders(messages.text(Msg::WheelCost),
                            {PrizeTexts::dollars(format, count * kRowPriceUsd),
                             PrizeTexts::dollars(format, count * kRowPricePowerPlayUsd)});
}

std::string proven(const MessageTable& messages, const Wheel& wheel) {
    return fillPlaceholders(messages.text(Msg::WheelProven),
                            {std::to_string(wheel.guarantee.t), std::to_string(wheel.guarantee.m),
                             std::to_string(wheel.numbers.size())});
}

std::string searching(const MessageTable& messages, std::size_t rows) {
    return fillPlaceholders(messages.text(Msg::WheelSearching), {std::to_string(rows)});
}

std::string guaranteeItem(const MessageTable& messages, const WheelGuarantee& guarantee) {
    if (guarantee.full())
        return messages.text(Msg::WheelFullItem);
    return fillPlaceholders(messages.text(Msg::WheelGuaranteeItem),
                            {std::to_string(guarantee.t), std::to_string(guarantee.m)});
}

std::string checkLine(const MessageTable& messages, const WheelCheck& check, double date) {
    const std::string day = DrawCalendar::shortDate(DrawCalendar::roundToDay(date));
    if (!check.prizesKnown)
        return fillPlaceholders(messages.text(Msg::WheelCheckNoPrizes), {day});
    const std::string jackpot =
        check.jackpots > 0 ? " + " + messages.text(Msg::Jackpot) : std::string();
    const TextFormat format(messages.language());
    return fillPlaceholders(messages.text(Msg::WheelCheckWon),
                            {day, PrizeTexts::dollars(format, check.totalUsd) + jackpot,
                             PrizeTexts::dollars(format, check.totalPowerPlayUsd) + jackpot});
}

std::string tier(const RowPrize& prize) {
    return std::string(PrizeTiers::tierName(prize.tier));
}

} // namespace powerball::WheelTexts
