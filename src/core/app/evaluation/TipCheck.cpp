#include "app/evaluation/TipCheck.h"

#include "draws/DrawText.h"
#include "rules/evaluation/PrizeTexts.h"
#include "rules/evaluation/SheetCheck.h"

namespace powerball {

namespace {

// The sheet's winnings go into the second status panel while they are above zero; a note of
// an earlier check goes when the sheet wins nothing now, any other note stays.
void showPrizeNote(SheetState& sheet, WindowView& window) {
    const std::string note = PrizeTexts::sheetTotal(window.messages, sheet.prizes);
    if (!note.empty())
        window.status[1] = note;
    else if (!sheet.prizeNote.empty() && window.status[1] == sheet.prizeNote)
        window.status[1].clear();
    sheet.prizeNote = note;
}

} // namespace

void renewPrizeNote(SheetState& sheet, WindowView& window) {
    if (sheet.prizeNote.empty())
        return;
    const std::string note = PrizeTexts::sheetTotal(window.messages, sheet.prizes);
    // A hint that took the note's place stays; the note is said anew for the next check.
    if (window.status[1] == sheet.prizeNote)
        window.status[1] = note;
    sheet.prizeNote = note;
}

void checkSheet(AppState& state, SoundPlayer& sound) {
    state.histogram.clear();
    state.prizes = {};
    if (!state.checkEnabled)
        return;
    const SheetCheckResult result =
        checkTipRows(state.tips, state.histogram, state.currentDraw.numbers, state.currentDraw.date,
                     state.messages);
    state.prizes = result.prizes;
    showPrizeNote(state, state);
    for (int row = 0; row < result.notable; ++row)
        sound.play(state.soundPath());
    state.changed();
}

void evaluateSelectedDate(AppState& state, const Ports& ports) {
    const DrawHistory history = state.drawHistory();
    if (!history.exists()) {
        ports.userPrompts().showMessage(state.messages.text(Msg::NoDrawFile));
        history.createEmpty();
        return;
    }
    state.scanFromDate = DrawCalendar::roundToDay(state.selectedDate);
    const DrawHistory::Located located = history.locateByDate(state.selectedDate);
    state.drawIndex = located.index;
    if (located.record) {
        state.currentDraw = {located.record->date, located.record->drawNumbers()};
        state.databaseDrawText =
            drawText(state.textFormat(), state.currentDraw.date, state.currentDraw.numbers,
                     drawTextForm(located.index, located.recordCount));
        state.showPanelCrossSum(state.messages, state.currentDraw.numbers.crossSum());
    }
    state.setSelectedDate(state.currentDraw.date);
    state.showCurrentDrawOnPanel();
    checkSheet(state, ports.soundPlayer());
    state.changed();
}

} // namespace powerball
