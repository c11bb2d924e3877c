#pragma once

#include "rules/evaluation/PrizeTiers.h"
#include "rules/sheet/TipSheet.h"

#include <array>
#include <cstdint>
#include <optional>

namespace powerball {

// What the rows of the sheet won against the shown draw at its last check: a prize for
// every checked row, nothing for a row that could not be checked.
struct SheetPrizes {
    std::array<std::optional<RowPrize>, TipSheet::kRowCount> rows;
    std::int64_t totalUsd = 0;
    std::int64_t totalPowerPlayUsd = 0;
    int jackpots = 0;

    void add(int row, const RowPrize& prize) {
        rows[static_cast<std::size_t>(row)] = prize;
        totalUsd += prize.usd;
        totalPowerPlayUsd += prize.powerPlayUsd;
        if (prize.tier == PrizeTier::Jackpot && prize.prizeKnown)
            ++jackpots;
    }
    bool wonAnything() const { return totalUsd > 0 || totalPowerPlayUsd > 0 || jackpots > 0; }
    bool operator==(const SheetPrizes&) const = default;
};

} // namespace powerball
