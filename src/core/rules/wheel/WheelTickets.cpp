#include "rules/wheel/WheelTickets.h"

#include "rules/output/TipFile.h"

#include <algorithm>

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
                      const DrawRecord& draw) {
    const DrawNumbers numbers = draw.drawNumbers();
    WheelCheck check;
    check.prizesKnown = draw.date >= PrizeTiers::kTableFrom;
    for (std::size_t r = 0; r < wheel.rows.size(); ++r) {
        MatchClass match;
        for (std::size_t i = 0; i < 5; ++i)
            for (int k = 1; k <= 5; ++k)
                if (wheel.rows[r][i] == numbers.white(k))
                    match.positionHit[i] = true;
        match.hits =
            static_cast<int>(std::count(match.positionHit.begin(), match.positionHit.end(), true));
        match.pbHit =
            r < powerballs.size() && powerballs[r] > 0 && powerballs[r] == numbers.powerball();
        const RowPrize prize = PrizeTiers::prizeOf(match, draw.date, numbers.powerPlay());
        check.totalUsd += prize.usd;
        check.totalPowerPlayUsd += prize.powerPlayUsd;
        check.jackpots += prize.tier == PrizeTier::Jackpot ? 1 : 0;
        check.matches.push_back(match);
        check.prizes.push_back(prize);
    }
    return check;
}

} // namespace powerball
