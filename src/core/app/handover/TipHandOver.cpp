#include "app/handover/TipHandOver.h"

#include "app/output/FaultyRows.h"
#include "app/output/TipFileCommands.h"
#include "base/AtomicFile.h"
#include "rules/output/TipFile.h"

namespace powerball {

HandOverResult handOverTips(AppState& state, const Ports& ports, ClickStart mode) {
    if (refuseFaultyRows(state, ports))
        return {};
    const std::filesystem::path folder = state.tipFolder();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error)
        throw FileSaveError(folder, error.message());

    HandOverResult result;
    result.handOverFile = folder / TipFile::handOverName(state.selectedDate);
    writeTipFile(state.tips, result.handOverFile);
    state.handOverPath = result.handOverFile;
    result.start = startClickScript(state, ports, mode);
    return result;
}

} // namespace powerball
