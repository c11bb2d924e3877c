#pragma once

#include "app/AppState.h"
#include "ports/NumberListBoxes.h"
#include "ports/Ports.h"
#include "rules/generator/NumberPool.h"

#include <array>
#include <optional>

namespace powerball {

// Builds the pool of a run from the options, the statistics over the statistics window and
// the last three draws (last, second-to-last, third-to-last), showing its progress in
// status panel 1. With "showNumberList" on, the list dialog shows the pool; nothing comes
// back when the user ends the run there.
std::optional<NumberPool> buildNumberPool(AppState& state, const Ports& ports,
                                          const std::array<DrawNumbers, 3>& lastDraws);

// Shows a pool in the list dialog's boxes: a number is ticked when it has entries; its weight
// text is its count of entries. The yellow marks stay as they are.
void showPoolInBoxes(const NumberPool& pool, NumberListBoxes& boxes);

// The pool rebuilt from the boxes by "&Rechnen": each ticked number n = 1..69 in order is
// appended w times for a weight text w above 0, once for 0 or an empty text, not at all
// below 0. A text that is no number counts as 0 (once); a weight above kMaxWeight counts
// as kMaxWeight, so that a typed-in huge number cannot exhaust the memory.
NumberPool poolFromBoxes(const NumberListBoxes& boxes);
inline constexpr int kMaxWeight = 10000;

} // namespace powerball
