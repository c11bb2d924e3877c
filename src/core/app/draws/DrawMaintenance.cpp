#include "draws/DrawMaintenance.h"

#include "evaluation/TipCheck.h"

#include <algorithm>
#include <stdexcept>

namespace powerball {

DrawMaintenance::Opened DrawMaintenance::openEntry(const AppState& state) {
    DrawRecord opened;
    opened.date = DrawCalendar::kMinimumDate;
    const DrawHistory history = state.drawHistory();
    if (history.exists()) {
        for (const DrawRecord& record : history.readAll()) {
            opened = record;
            if (record.date == state.selectedDate)
                break;
        }
    }
    return {opened, drawEntryFromRecord(opened)};
}

DrawRecord DrawMaintenance::recordFromEntry(const DrawRecord& opened, const DrawEntry& entry) {
    if (const auto problem = drawEntryProblem(entry))
        throw std::out_of_range("the entered draw cannot be stored: " + *problem);
    std::array<int, 5> white = entry.white;
    std::sort(white.begin(), white.end());
    DrawRecord record = opened;
    record.date = entry.date;
    record.setNumbers(white, entry.powerball, entry.powerPlay);
    return record;
}

std::optional<DrawRecord> DrawMaintenance::enterDraw(AppState& state, const Ports& ports) {
    if (state.updateRunning())
        return std::nullopt;
    const Opened opened = openEntry(state);
    state.scanFromDate = opened.record.date;

    std::optional<DrawRecord> stored;
    if (const auto accepted = ports.userPrompts().askDrawNumbers(opened.entry)) {
        stored = recordFromEntry(opened.record, *accepted);
        state.drawHistory().insertOrReplace(*stored); // creates a missing file
    }
    state.setSelectedDate(opened.record.date);
    evaluateSelectedDate(state, ports);
    return stored;
}

bool DrawMaintenance::deleteShownDraw(AppState& state, const Ports& ports) {
    if (state.updateRunning())
        return false;
    state.drawHistory().removeDate(state.currentDraw.date);
    evaluateSelectedDate(state, ports);
    return true;
}

} // namespace powerball
