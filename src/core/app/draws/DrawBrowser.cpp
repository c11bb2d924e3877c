#include "app/draws/DrawBrowser.h"

#include "app/evaluation/TipCheck.h"
#include "draws/DrawText.h"

#include <algorithm>

namespace powerball {

void DrawBrowser::previous(AppState& state, const Ports& ports) {
    state.scanFromDate = state.startDate;
    state.drawIndex = state.drawIndex - 1 < 1 ? 0 : state.drawIndex - 1;
    // The index may still point beyond a file that has lost records; it stays as computed
    // and comes back into range step by step.
    const DrawHistory::Located located = state.drawHistory().locateByIndex(state.drawIndex);
    show(state, ports, *located.record);
}

void DrawBrowser::next(AppState& state, const Ports& ports) {
    state.scanFromDate = state.startDate;
    const DrawHistory::Located located = state.drawHistory().locateByIndex(state.drawIndex + 1);
    state.drawIndex = located.index;
    show(state, ports, *located.record);
}

void DrawBrowser::next(AppState& state, const Ports& ports,
                       const std::vector<DrawRecord>& records) {
    if (records.empty()) {
        next(state, ports);
        return;
    }
    state.scanFromDate = state.startDate;
    state.drawIndex = std::clamp(state.drawIndex + 1, 0, static_cast<int>(records.size()) - 1);
    show(state, ports, records[static_cast<std::size_t>(state.drawIndex)]);
}

void DrawBrowser::previous(AppState& state, const Ports& ports,
                           const std::vector<DrawRecord>& records) {
    if (records.empty()) {
        previous(state, ports);
        return;
    }
    state.scanFromDate = state.startDate;
    state.drawIndex = state.drawIndex - 1 < 1 ? 0 : state.drawIndex - 1;
    const int last = static_cast<int>(records.size()) - 1;
    show(state, ports, records[static_cast<std::size_t>(std::min(state.drawIndex, last))]);
}

void DrawBrowser::showDrawOf(AppState& state, const Ports& ports, double date) {
    const DrawHistory::Located located = state.drawHistory().locateByDate(date);
    if (!located.record)
        return;
    state.scanFromDate = state.startDate;
    state.drawIndex = located.index;
    show(state, ports, *located.record);
}

void DrawBrowser::show(AppState& state, const Ports& ports, const DrawRecord& record) {
    state.currentDraw = {record.date, record.drawNumbers()};
    state.databaseDrawText = drawText(state.textFormat(), state.currentDraw.date,
                                      state.currentDraw.numbers, DrawTextForm::Last);
    state.showPanelCrossSum(state.messages, state.currentDraw.numbers.crossSum());
    state.showCurrentDrawOnPanel();
    state.setSelectedDate(state.currentDraw.date);
    checkSheet(state, ports.soundPlayer());
    state.changed();
}

} // namespace powerball
