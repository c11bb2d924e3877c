#pragma once

#include "base/MessageTable.h"
#include "rules/wheel/WheelSearch.h"
#include "rules/wheel/WheelTickets.h"

#include <cstdint>
#include <string>

namespace powerball {

// What a wheel is and what it won, in the language of the message table in use: the window's
// dialog and the command line's text say the same.
namespace WheelTexts {

inline constexpr std::int64_t kRowPriceUsd = 2;
inline constexpr std::int64_t kRowPricePowerPlayUsd = 3;

// "12 Reihen, mindestens 10 möglich"; without a bound just the rows.
std::string rowCount(const MessageTable& messages, std::size_t rows, std::uint64_t lowerBound);
// What the rows cost, without and with Power Play.
std::string cost(const MessageTable& messages, std::size_t rows);
// "Garantie geprüft: …", which says that the guarantee is about the white numbers.
std::string proven(const MessageTable& messages, const Wheel& wheel);
// The progress of a search: the smallest proven wheel so far.
std::string searching(const MessageTable& messages, std::size_t rows);
// A guarantee as the dialog offers it.
std::string guaranteeItem(const MessageTable& messages, const WheelGuarantee& guarantee);
// The whole wheel's winnings against the draw of `date` (dd.mm.yyyy).
std::string checkLine(const MessageTable& messages, const WheelCheck& check, double date);
// A row's prize tier ("4+PB"), empty for none.
std::string tier(const RowPrize& prize);

} // namespace WheelTexts

} // namespace powerball
