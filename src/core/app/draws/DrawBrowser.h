#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

namespace powerball {

// The previous/next buttons of the draw panel: step through the stored draws, show each
// one, move the selected date to it and check the tips against it. Every stored draw can
// be reached; no date bound applies.
class DrawBrowser {
public:
    static void previous(AppState& state, const Ports& ports);
    static void next(AppState& state, const Ports& ports);
    // The same steps over the records of the draw file as a caller has already read them,
    // for the analyses that step through the whole history and for many steps at once.
    static void next(AppState& state, const Ports& ports, const std::vector<DrawRecord>& records);
    static void previous(AppState& state, const Ports& ports,
                         const std::vector<DrawRecord>& records);

    // A draw picked in the table of draws: shown and checked as the arrows show one, and the
    // arrows go on from it. A date that is no longer stored shows the next later draw, else
    // the newest; an empty file shows nothing.
    static void showDrawOf(AppState& state, const Ports& ports, double date);

private:
    static void show(AppState& state, const Ports& ports, const DrawRecord& record);
};

} // namespace powerball
