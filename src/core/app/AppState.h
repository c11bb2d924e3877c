#pragma once

#include "app/DrawView.h"
#include "app/OptionsState.h"
#include "app/ProgramFiles.h"
#include "app/RunState.h"
#include "app/SheetState.h"
#include "app/UpdateState.h"
#include "app/WindowView.h"
#include "base/TextFormat.h"

#include <functional>

namespace powerball {

// What the main window shows and holds, in named parts. Commands read it when they run,
// write their results back and report the change; the faces only present it. A step that
// reads or writes one or two parts and reports nothing takes just those parts.
struct AppState : ProgramFiles,
                  DrawView,
                  SheetState,
                  OptionsState,
                  RunState,
                  UpdateState,
                  WindowView {
    // Change signal: the faces repaint when a command reports that it changed something.
    std::function<void()> onChanged;
    // How shown numbers, money and dates are written: the language of the texts, and the
    // fixed formats or the language's as the user chose.
    TextFormat textFormat() const {
        return TextFormat(messages.language(), settings.languageFormats);
    }
    void changed() const {
        if (onChanged)
            onChanged();
    }
};

} // namespace powerball
