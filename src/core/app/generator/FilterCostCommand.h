#pragma once

#include "app/AppState.h"
#include "rules/generator/FilterCost.h"

namespace powerball {

// What the filters cost for the options as they stand: a copy of the options, the start
// and selected dates and the draw file (none when it is missing), for a worker thread to
// measure without touching the state.
FilterCostInput filterCostInput(const AppState& state);

// The same on this thread, for the command line.
FilterCost measureFilterCost(const AppState& state);

} // namespace powerball
