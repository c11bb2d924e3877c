#include "app/generator/TipSheetEditing.h"

#include "rules/sheet/TipSheet.h"

#include <string>

namespace powerball {

namespace {

void clearTicksAndMarks(NumberListBoxes& boxes) {
    boxes.ticked.fill(false);
    boxes.marked.fill(false);
}

} // namespace

void editTipRow(AppState& state, const Ports& ports, int rowIndex) {
    const std::string caption =
        state.messages.text(Msg::EditRowCaption) + " " + std::to_string(rowIndex + 1);
    NumberListBoxes& boxes = state.numberList;
    clearTicksAndMarks(boxes);
    for (int f = 0; f < TipRow::kWhiteCount; ++f) {
        const auto number = parseInteger(state.tips.field(rowIndex, f));
        if (!number)
            break;
        if (*number >= 1 && *number <= NumberListBoxes::kHighest) {
            boxes.setTicked(*number, true);
            boxes.setMarked(*number, true);
        }
    }
    const bool confirmed = ports.userPrompts().askRowNumbers(caption, boxes);
    // The dialog keeps its ticks and weights for the next use, but not the yellow marks.
    boxes.marked.fill(false);
    if (!confirmed)
        return;
    int field = 0;
    for (int n = 1; n <= NumberListBoxes::kHighest && field < TipRow::kWhiteCount; ++n)
        if (boxes.isTicked(n))
            state.tips.setField(rowIndex, field++, std::to_string(n));
    if (state.tips.field(rowIndex, field).empty())
        state.tips.setField(rowIndex, field, std::to_string(state.random.below(26) + 1));
    state.changed();
}

void setLuckyNumber(AppState& state, const Ports& ports) {
    const std::string proposal = std::to_string(state.random.below(99999));
    // A cancelled box keeps the proposal, as the lucky number always has.
    const std::string answer = ports.userPrompts()
                                   .askText(state.messages.text(Msg::LuckyNumberCaption),
                                            state.messages.text(Msg::LuckyNumberPrompt), proposal)
                                   .value_or(proposal);
    if (const auto number = parseInteger(answer)) {
        state.random.setSeed(static_cast<std::uint32_t>(*number));
        state.status[1] = state.messages.text(Msg::LuckyNumberSet) + std::to_string(*number) +
                          state.messages.text(Msg::LuckyNumberSetEnd);
    } else {
        state.random.setSeed(ports.systemClock().seedValue());
    }
    state.changed();
}

} // namespace powerball
