#include "CheckOutput.h"

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
        out << "  hits: " << row.hitText << "  cross sum: " << row.crossSumText << '\n';
    }
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
    out << "Sounds played: " << soundsPlayed << '\n';
}

Json checkJson(const AppState& state, std::size_t soundsPlayed) {
    return {{"selected_date", isoDay(state.selectedDate)}, {"current_draw", currentDrawJson(state)},
            {"draw_text", state.databaseDrawText},         {"panel_draw_text", state.panelDrawText},
            {"cross_sum_text", state.panelCrossSumText},   {"rows", tipRowsJson(state)},
            {"histogram", histogramJson(state.histogram)}, {"sounds_played", soundsPlayed}};
}

} // namespace powerball::cli
