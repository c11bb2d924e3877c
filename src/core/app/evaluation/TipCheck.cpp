#include "evaluation/TipCheck.h"

#include "draws/DrawText.h"

#include <algorithm>

#include <cstdint>
#include <utility>

namespace powerball {

namespace {

void markRowFailed(TipRow& row) {
    row.hitText.clear();
    row.colors = {};
}

void checkRow(AppState& state, int rowIndex, SoundPlayer& sound) {
    TipRow& row = state.tips.row(rowIndex);
    std::array<std::uint8_t, 5> values{};
    int sum = 0;
    for (std::size_t k = 0; k < 5; ++k) {
        const auto value = TipSheet::parseInteger(row.fields[k]);
        if (!value) {
            markRowFailed(row);
            return;
        }
        values[k] = static_cast<std::uint8_t>(*value);
        sum += values[k];
    }
    row.crossSumText = std::to_string(sum);

    std::sort(values.begin(), values.begin() + 5);
    for (std::size_t k = 0; k < 5; ++k)
        state.tips.setField(rowIndex, static_cast<int>(k), std::to_string(values[k]));

    const MatchClass match = matchTip(state.currentDraw.numbers, row.fields);
    for (std::size_t k = 0; k < 5; ++k)
        row.colors[k] = match.positionHit[k] ? FieldColor::Lime : FieldColor::Window;
    row.hitText = std::to_string(match.hits);
    state.histogram.add(match);
    const bool notable = match.hits > 2 || match.pbHit;
    row.hitColor = notable ? HitColor::Red : HitColor::Black;
    if (notable)
        sound.play(state.soundPath());
    if (match.pbHit)
        row.hitText += " + PB";
    row.colors[TipRow::kPowerballField] = match.pbHit ? FieldColor::Red : FieldColor::Window;
}

} // namespace

void checkSheet(AppState& state, SoundPlayer& sound) {
    state.histogram.clear();
    if (!state.checkEnabled)
        return;
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        checkRow(state, r, sound);
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
