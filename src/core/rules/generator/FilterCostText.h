#pragma once

#include "base/MessageTable.h"
#include "base/TextFormat.h"
#include "rules/generator/FilterCost.h"

#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// The line under the calculation pages that says what the filters cost, and its tooltip,
// from the message table: shares and counts as the language writes them, the date in the
// shown format.
std::string filterCostLine(const MessageTable& messages, const TextFormat& format,
                           const FilterCost& cost, double startDate);
std::string filterCostHint(const MessageTable& messages, const TextFormat& format,
                           const FilterCost& cost);

// 1205 -> "1.205"
std::string groupedNumber(long long value);
// 0.124 -> "12,4 %" ("12.4 %" in English): one decimal, more for small shares so that two
// digits show.
std::string percentText(double share, const TextFormat& format = TextFormat());

} // namespace powerball
