#include "rules/wheel/WheelTickets.h"

#include "rules/evaluation/TipMatch.h"
#include "rules/output/TipFile.h"

#include <array>
#include <string>

namespace powerball {

std::vector<TipSheet> wheelSheets(const Wheel& wheel, const std::vector<int>& powerballs) {
    std::vector<TipSheet> sheets;
    for (std::size_t r = 0; r < wheel.rows.size(); ++r) {
        const int place = static_cast<int>(r % TipSheet::kRowCount);
        if (place == 0)
            sheets.emplace_back();
        for (int f = 0; f < TipRow::kWhiteCount; ++f)
            sheets.back().setField(place, f,
                                   std::to_string(wheel.rows[r][static_cast<std::size_t>(f)]));
        const int powerball = r < powerballs.size() ? powerballs[r] : 0;
        if (powerball > 0)
            sheets.back().setField(place, TipRow::kPowerballField, std::to_string(powerball));
    }
    return sheets;
}

std::string wheelTipFileName(double today, std::size_t k) {
    std::string name = TipFile::proposedName(today);
    const std::string extension = std::string(".") + TipFile::kExtension;
    name.insert(name.size() - extension.size(), "-" + std::to_string(k));
    return name;
}

WheelCheck checkWheel(const Wheel& wheel, const std::vector<int>& powerballs,
                      const DrawNumbers& numbers, double date) {
    WheelCheck check;
    check.prizesKnown = date >= PrizeTiers::kTableFrom;
    for (std::size_t r = 0; r < wheel.rows.size(); ++r) {
        // The sheet's own comparison, so that a wheel row and a tip row count alike.
        std::array<std::string, TipRow::kFieldCount> tip;
        for (std::size_t f = 0; f < wheel.rows[r].size(); ++f)
            tip[f] = std::to_string(wheel.rows[r][f]);
        if (r < powerballs.size() && powerballs[r] > 0)
            tip[TipRow::kPowerballField] = std::to_string(powerballs[r]);
        const MatchClass match = matchTip(numbers, tip);
        const RowPrize prize = PrizeTiers::prizeOf(match, date, numbers.powerPlay());
        check.totalUsd += prize.usd;
        check.totalPowerPlayUsd += prize.powerPlayUsd;
        check.jackpots += prize.tier == PrizeTier::Jackpot ? 1 : 0;
        check.matches.push_back(match);
        check.prizes.push_back(prize);
    }
    return check;
}

WheelCheck checkWheel(const Wheel& wheel, const std::vector<int>& powerballs,
                      const DrawRecord& draw) {
    return checkWheel(wheel, powerballs, draw.drawNumbers(), draw.date);
}

} // namespace powerball
