#pragma once

#include "base/RunPhase.h"
#include "draws/DrawRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace powerball {

// What the window keeps of the tip generator: its phase, the caption of "Tipps berechnen"
// while idle (it reads "Stoppen" while a run goes on), and what the last run worked with.
struct GeneratorState {
    RunPhase phase = RunPhase::Idle;
    std::string idleCaption = "Tipps berechnen";

    // The button's caption in this phase; `stopText` is the message table's "Stoppen".
    const std::string& caption(const std::string& stopText) const {
        return phase == RunPhase::Running ? stopText : idleCaption;
    }

    // The hourglass: from the start of a run to its end, except while the list dialog shows.
    bool busy = false;

    int runCounter = 0;                     // candidates drawn by the current or last run
    std::vector<std::uint8_t> pool;         // the pool of the last run, in list order
    std::array<DrawNumbers, 3> lastDraws{}; // last, second-to-last, third-to-last draw
};

} // namespace powerball
