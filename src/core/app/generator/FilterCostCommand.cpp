#include "app/generator/FilterCostCommand.h"

namespace powerball {

FilterCostInput filterCostInput(const AppState& state) {
    FilterCostInput input;
    input.settings = state.settings;
    input.startDate = state.startDate;
    input.selectedDate = state.selectedDate;
    const DrawHistory history = state.drawHistory();
    if (history.exists())
        input.draws = history.readAll();
    return input;
}

FilterCost measureFilterCost(const AppState& state) {
    return measureFilterCost(filterCostInput(state));
}

} // namespace powerball
