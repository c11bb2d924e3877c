#include "app/output/TipPrint.h"

#include "app/output/FaultyRows.h"
#include "base/AtomicFile.h"
#include "rules/output/TipListing.h"

namespace powerball {

std::string tipListing(const AppState& state) {
    return TipListing::text(state.tips, state.messages.text(Msg::TipTitle),
                            TipListing::titleDay(state.currentDraw.date));
}

TipPage tipPage(const AppState& state) {
    const DayNumber day = TipListing::titleDay(state.currentDraw.date);
    return {state.messages.text(Msg::TipTitle) + " " + DrawCalendar::shortDate(day),
            TipListing::rows(state.tips)};
}

void writeTipListing(const AppState& state, const std::filesystem::path& file) {
    saveFileAtomically(file, tipListing(state));
}

std::filesystem::path printTips(AppState& state, const Ports& ports) {
    if (refuseFaultyRows(state, ports))
        return {};
    const std::filesystem::path file = state.programFolder / TipListing::kFileName;
    writeTipListing(state, file);
    ports.desktopShell().open(file.string());
    return file;
}

} // namespace powerball
