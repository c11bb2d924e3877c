#pragma once

#include "rules/wheel/WheelProof.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>

namespace powerball {

struct WheelSearchOptions {
    std::chrono::milliseconds budget{2000};
    std::uint64_t seed = 1;
    // Independent searches on as many threads, with the seeds seed, seed+1 ...; the smallest
    // wheel wins, the first search on a tie.
    int searches = 2;
    // At most this many steps per search (0: only the budget). With a step limit that ends a
    // search before its budget does, a seed always gives the same wheel.
    std::uint64_t maxSteps = 0;
};

// What a search found. `wheel` always keeps its guarantee: the proof checked every case.
struct WheelSearchResult {
    Wheel wheel;
    std::uint64_t lowerBound = 0;
    bool stopped = false;  // the stop flag ended the search early
    bool complete = false; // the full wheel, or a wheel as small as the lower bound
    double seconds = 0.0;
};

// Every row of five over the chosen numbers: keeps any guarantee.
Wheel fullWheel(const std::vector<int>& numbers, const WheelGuarantee& guarantee);

// Searches for a small wheel over the chosen numbers (6 to 40 distinct numbers of 1..69):
// a greedy start, then simulated annealing on the cases no row keeps the promise for, one
// row fewer each time it finds a way, within the budget. `stop` ends it at the next check
// with the best proven wheel so far; `onSmaller` hears the row count of every smaller proven
// wheel, from the searching threads.
WheelSearchResult searchWheel(const std::vector<int>& numbers, const WheelGuarantee& guarantee,
                              const WheelSearchOptions& options,
                              const std::atomic<bool>* stop = nullptr,
                              const std::function<void(std::size_t rows)>& onSmaller = {});

// The Powerballs of the rows: all the same when one is chosen, else the chosen ones in turn.
std::vector<int> wheelPowerballs(std::size_t rows, const std::vector<int>& chosen);

} // namespace powerball
