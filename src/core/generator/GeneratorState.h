#pragma once

#include "draws/DrawRecord.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace powerball {

// What the window keeps of the tip generator: the caption of "Tipps berechnen" (which reads
// "Stoppen" while a run goes on, and pressing it then stops the run), and what the last
// run worked with.
struct GeneratorState {
    std::string caption = "Tipps berechnen";
    // The caption to give back at the end of a run; taken the first time a run starts.
    std::string savedCaption;

    // The hourglass: from the start of a run to its end, except while the list dialog shows.
    bool busy = false;

    int runCounter = 0;                     // candidates drawn by the current or last run
    std::vector<std::uint8_t> pool;         // the pool of the last run, in list order
    std::array<DrawNumbers, 3> lastDraws{}; // last, second-to-last, third-to-last draw
};

} // namespace powerball
