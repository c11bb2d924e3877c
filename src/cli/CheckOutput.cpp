#include "CheckOutput.h"

#include "base/DrawCalendar.h"
#include "rules/evaluation/PrizeTexts.h"
#include "rules/sheet/TipSheet.h"

#include <iomanip>
#include <ostream>

namespace powerball::cli {

namespace {

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

std::string said(const AppState& state, int entry, const std::vector<std::string>& arguments) {
    return fillPlaceholders(state.messages.text(entry), arguments);
}

std::string failure(const AppState& state, int entry, const std::vector<std::string>& arguments) {
    const std::string& pattern = state.messages.text(entry);
    return fillPlaceholders(pattern.empty() ? MessageTable().text(entry) : pattern, arguments);
}

std::string beforeEarliestDate(const AppState& state, const std::string& option) {
    return failure(state, Msg::CliEarliestDate,
                   {option, DrawCalendar::isoDate(DrawCalendar::kMinimumDate)});
}

std::string tooManyRows(const AppState& state) {
    return failure(state, Msg::CliAtMostRows, {std::to_string(TipSheet::kRowCount)});
}

std::string drawLine(const TextFormat& format, const DrawRecord& record) {
    const DrawNumbers numbers = record.drawNumbers();
    std::string line = format.date(DrawCalendar::roundToDay(record.date));
    for (int w = 1; w <= 5; ++w)
        line += ' ' + std::to_string(numbers.white(w));
    return line + " PB " + std::to_string(numbers.powerball()) + " PP " +
           std::to_string(numbers.powerPlay());
}

bool rowIsFilled(const TipRow& row) {
    for (int f = 0; f < TipRow::kHiddenField; ++f)
        if (!row.fields[static_cast<std::size_t>(f)].empty())
            return true;
    return false;
}

void printRows(const AppState& state, const RowsShown& shown, std::ostream& out) {
    bool any = false;
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const TipRow& row = state.tips.row(r);
        if (!shown.verbose && !rowIsFilled(row))
            continue;
        any = true;
        out << said(state, Msg::CliRow, {std::to_string(r + 1)});
        if (shown.locks && row.locked)
            out << ' ' << state.messages.text(Msg::CliLocked);
        out << ':';
        for (int f = 0; f < TipRow::kHiddenField; ++f) {
            out << (f == TipRow::kPowerballField ? "  PB " : " ") << std::setw(2)
                << row.fields[static_cast<std::size_t>(f)];
            if (shown.colors && row.colors[static_cast<std::size_t>(f)] != FieldColor::Window)
                out << '*';
        }
        out << "  " << said(state, Msg::CliHits, {row.hitText}) << "  "
            << said(state, Msg::CliCrossSum, {row.crossSumText});
        if (const auto& prize = state.prizes.rows[static_cast<std::size_t>(r)];
            shown.colors && prize && prize->tier != PrizeTier::None)
            out << "  " << state.messages.text(Msg::PrizeTierWord)
                << PrizeTiers::tierName(prize->tier);
        out << '\n';
    }
    if (!any)
        out << state.messages.text(Msg::CliNoRows) << '\n';
}

void printShownDraw(const AppState& state, std::ostream& out) {
    const TextFormat format = state.textFormat();
    out << said(state, Msg::CliSelectedDate,
                {format.date(DrawCalendar::roundToDay(state.selectedDate))})
        << '\n'
        << said(state, Msg::CliDraw, {std::to_string(state.drawIndex), state.databaseDrawText})
        << '\n'
        << state.panelCrossSumText << '\n';
}

void printCheck(const AppState& state, std::size_t soundsPlayed, bool verbose, std::ostream& out) {
    printShownDraw(state, out);
    printRows(state, {.verbose = verbose, .colors = true}, out);
    if (state.prizes.wonAnything())
        out << PrizeTexts::sheetTotal(state.messages, state.prizes) << '\n';
    if (verbose || soundsPlayed > 0)
        out << said(state, Msg::CliSoundsPlayed, {std::to_string(soundsPlayed)}) << '\n';
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
