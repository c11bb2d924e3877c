#include "evaluation/TipCheck.h"

#include "draws/DrawText.h"
#include "evaluation/SheetCheck.h"

namespace powerball {

void checkSheet(AppState& state, SoundPlayer& sound) {
    state.histogram.clear();
    if (!state.checkEnabled)
        return;
    const int notable = checkTipRows(state.tips, state.histogram, state.currentDraw.numbers);
    for (int row = 0; row < notable; ++row)
        sound.play(state.soundPath());
    state.changed();
}

void evaluateSelectedDate(AppState& state, const Ports& ports) {
    const DrawHistory history = state.drawHistory();
    if (!history.exists()) {
        ports.userPrompts().showMessage(kNoDrawFileMessage);
        history.createEmpty();
        return;
    }
    state.scanFromDate = DrawCalendar::roundToDay(state.selectedDate);
    const DrawHistory::Located located = history.locateByDate(state.selectedDate);
    state.drawIndex = located.index;
    if (located.record) {
        state.currentDraw = {located.record->date, located.record->drawNumbers()};
        state.databaseDrawText = drawText(state.currentDraw.date, state.currentDraw.numbers,
                                          drawTextForm(located.index, located.recordCount));
        state.panelCrossSumText =
            crossSumText(state.messages, state.currentDraw.numbers.crossSum());
    }
    state.setSelectedDate(state.currentDraw.date);
    state.panelDrawText = state.databaseDrawText;
    checkSheet(state, ports.soundPlayer());
    state.changed();
}

} // namespace powerball
