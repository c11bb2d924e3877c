#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

namespace powerball {

// Hand-over and print take only tips: when a row of the sheet is none, says which row and
// why, and returns true so that the caller stops before writing anything.
bool refuseFaultyRows(const AppState& state, const Ports& ports);

} // namespace powerball
