#pragma once

#include "JsonOutput.h"

#include "app/AppState.h"

#include <cstddef>
#include <iosfwd>

namespace powerball::cli {

// The result of a sheet check as the verbs that check print it: the shown draw and the 12
// rows with their hits, or the same as JSON.
void printCheck(const AppState& state, std::size_t soundsPlayed, std::ostream& out);
Json checkJson(const AppState& state, std::size_t soundsPlayed);

// The selected date, the shown draw and its cross sum.
void printShownDraw(const AppState& state, std::ostream& out);

} // namespace powerball::cli
