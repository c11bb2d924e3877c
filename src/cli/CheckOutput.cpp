#include "CheckOutput.h"

#include "rules/evaluation/PrizeTexts.h"

#include <iomanip>
#include <ostream>

namespace powerball::cli {

namespace {

void printRows(const AppState& state, std::ostream& out) {
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const TipRow& row = state.tips.row(r);
        out << std::setw(9) << TipSheet::caption(r);
        for (int f = 0; f < TipRow::kHiddenField; ++f) {
            out << (f == TipRow::kPowerballField ? "  PB " : " ") << std::setw(2)
                << row.fields[static_cast<std::size_t>(f)];
            if (row.colors[static_cast<std::size_t>(f)] != FieldColor::Window)
                out << '*';
        }
        out << "  hits: " << row.hitText << "  cross sum: " << row.crossSumText;
        if (const auto& prize = state.prizes.rows[static_cast<std::size_t>(r)];
            prize && prize->tier != PrizeTier::None)
            out << "  tier: " << PrizeTiers::tierName(prize->tier);
        out << '\n';
    }
}

// Each checked row's prize tier and prize: null where there is none to tell (a row not
// checked, a draw before today's prize table, the jackpot's amount).
Json rowsWithPrizes(const AppState& state) {
    Json rows = tipRowsJson(state);
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        Json& row = rows[static_cast<std::size_t>(r)];
        const auto& prize = state.prizes.rows[static_cast<std::size_t>(r)];
        row["tier"] = nullptr;
        row["prize_usd"] = nullptr;
        row["prize_power_play_usd"] = nullptr;
        if (!prize)
            continue;
        const std::string_view tier = PrizeTiers::tierName(prize->tier);
        row["tier"] = tier.empty() ? "none" : std::string(tier);
        if (prize->prizeKnown && prize->tier != PrizeTier::Jackpot) {
            row["prize_usd"] = prize->usd;
            row["prize_power_play_usd"] = prize->powerPlayUsd;
        }
    }
    return rows;
}

} // namespace

void printShownDraw(const AppState& state, std::ostream& out) {
    out << "Selected date: " << isoDay(state.selectedDate) << '\n'
        << "Draw " << state.drawIndex << ": " << state.databaseDrawText << '\n'
        << state.panelCrossSumText << '\n';
}

void printCheck(const AppState& state, std::size_t soundsPlayed, std::ostream& out) {
    printShownDraw(state, out);
    printRows(state, out);
    if (state.prizes.wonAnything())
        out << PrizeTexts::sheetTotal(state.messages, state.prizes) << '\n';
    out << "Sounds played: " << soundsPlayed << '\n';
}

Json checkJson(const AppState& state, std::size_t soundsPlayed) {
    return {{"selected_date", isoDay(state.selectedDate)},
            {"current_draw", currentDrawJson(state)},
            {"draw_text", state.databaseDrawText},
            {"panel_draw_text", state.panelDrawText},
            {"cross_sum_text", state.panelCrossSumText},
            {"rows", rowsWithPrizes(state)},
            {"histogram", histogramJson(state.histogram)},
            {"sounds_played", soundsPlayed},
            {"total",
             {{"prize_usd", state.prizes.totalUsd},
              {"prize_power_play_usd", state.prizes.totalPowerPlayUsd},
              {"jackpots", state.prizes.jackpots}}}};
}

} // namespace powerball::cli
