#pragma once

#include "app/AppState.h"
#include "platform/Ports.h"

namespace powerball {

// The previous/next buttons of the draw panel: step through the stored draws, show each
// one, move the selected date to it and check the tips against it. Every stored draw can
// be reached; no date bound applies.
class DrawBrowser {
public:
    static void previous(AppState& state, const Ports& ports);
    static void next(AppState& state, const Ports& ports);

private:
    static void show(AppState& state, const Ports& ports, const DrawRecord& record);
};

} // namespace powerball
