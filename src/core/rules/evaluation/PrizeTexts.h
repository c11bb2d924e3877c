#pragma once

#include "base/MessageTable.h"
#include "base/TextFormat.h"
#include "rules/evaluation/PrizeTiers.h"
#include "rules/evaluation/SheetPrizes.h"

#include <cstdint>
#include <string>

namespace powerball {

// The texts that show what a row or the sheet won, from the message table in use.
namespace PrizeTexts {

// Amounts as the language writes them: "$1,000,000" in English, "1.000.000 $" in German.
std::string dollars(const TextFormat& format, std::int64_t usd);
// "$0.32", "0,32 $": an expectation with two decimals.
std::string dollars(const TextFormat& format, double usd);
// "11,688,053.52", "11.688.053,52"; a whole number without decimals.
std::string odds(const TextFormat& format, double oneIn);

// The texts below write amounts in the language of the message table.
// The hint of a row's hit text: tier, prize without and with Power Play, the tier's odds.
std::string rowHint(const MessageTable& messages, const RowPrize& prize);

// The status note of the sheet's winnings; empty when the sheet won nothing.
std::string sheetTotal(const MessageTable& messages, const SheetPrizes& prizes);

} // namespace PrizeTexts

} // namespace powerball
