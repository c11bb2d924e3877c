#pragma once

#include "app/AppState.h"
#include "app/handover/ClickScriptStart.h"
#include "ports/Ports.h"

#include <filesystem>

namespace powerball {

struct HandOverResult {
    std::filesystem::path handOverFile;
    ClickStartResult start;
};

// "Tipp abgeben": writes the sheet as the tip file Tipps/<selected date + 7>.vlt (creating
// the folder), keeps its path as the current hand-over path and runs the click-script start.
// When the file cannot be written the start does not run.
HandOverResult handOverTips(AppState& state, const Ports& ports,
                            ClickStart mode = ClickStart::Launch);

} // namespace powerball
