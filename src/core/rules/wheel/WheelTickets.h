#pragma once

#include "draws/DrawRecord.h"
#include "rules/evaluation/MatchClass.h"
#include "rules/evaluation/PrizeTiers.h"
#include "rules/sheet/TipSheet.h"
#include "rules/wheel/WheelProof.h"

#include <cstdint>
#include <vector>

namespace powerball {

// The wheel as tip sheets of 12 rows each, in the wheel's order, each row with its Powerball
// (from wheelPowerballs; 0 leaves the field empty).
std::vector<TipSheet> wheelSheets(const Wheel& wheel, const std::vector<int>& powerballs);

// "yyyymmdd-k.vlt": the tip file of the k-th sheet (from 1), named after the draw a tip made
// on `today` plays for.
std::string wheelTipFileName(double today, std::size_t k);

// What every row of the wheel won against one draw, and the whole wheel's winnings (the
// jackpot counts 0, as in every sum of prizes).
struct WheelCheck {
    std::vector<MatchClass> matches;
    std::vector<RowPrize> prizes;
    std::int64_t totalUsd = 0;
    std::int64_t totalPowerPlayUsd = 0;
    bool prizesKnown = false; // the draw falls under today's prize table
    int jackpots = 0;
};
WheelCheck checkWheel(const Wheel& wheel, const std::vector<int>& powerballs,
                      const DrawRecord& draw);
// The same against the numbers of a draw and its date.
WheelCheck checkWheel(const Wheel& wheel, const std::vector<int>& powerballs,
                      const DrawNumbers& numbers, double date);

} // namespace powerball
