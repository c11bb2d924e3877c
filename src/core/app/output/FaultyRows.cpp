#include "app/output/FaultyRows.h"

#include "rules/sheet/RowFault.h"

namespace powerball {

bool refuseFaultyRows(const AppState& state, const Ports& ports) {
    const std::optional<SheetFault> fault = sheetFault(state.tips);
    if (!fault)
        return false;
    ports.userPrompts().showMessage(sheetFaultMessage(state.messages, *fault));
    return true;
}

} // namespace powerball
