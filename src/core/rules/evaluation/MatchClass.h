#pragma once

#include <array>

namespace powerball {

// The result of comparing one tip with the current draw.
struct MatchClass {
    int hits = 0;                      // white numbers of the tip that were drawn
    std::array<bool, 5> positionHit{}; // per tip position: that number was drawn
    bool pbHit = false;                // the Powerball was drawn
};

// Counters of the last sheet check: rows by white hits 0..5, without and with Powerball hit.
struct MatchHistogram {
    std::array<std::array<int, 2>, 6> cells{};

    int count(int hits, bool withPowerball) const { return cells[hits][withPowerball ? 1 : 0]; }
    void add(const MatchClass& match) { ++cells[match.hits][match.pbHit ? 1 : 0]; }
    void clear() { cells = {}; }
};

} // namespace powerball
