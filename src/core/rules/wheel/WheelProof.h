#pragma once

#include "rules/wheel/WheelGuarantee.h"

#include <array>
#include <optional>
#include <vector>

namespace powerball {

// A wheel: rows of five white numbers taken from the chosen numbers.
struct Wheel {
    std::vector<int> numbers; // the chosen numbers, ascending
    WheelGuarantee guarantee;
    std::vector<std::array<int, 5>> rows; // each ascending
};

// The proof of a wheel's guarantee, by checking every case: each set of m chosen numbers
// must share at least t numbers with some row. Returns the first set that no row keeps
// the promise for, or nothing when the guarantee holds. A row with a number that is not
// among the chosen ones, or a repeated number, breaks the proof as well.
std::optional<std::vector<int>> firstBrokenCase(const Wheel& wheel);

inline bool guaranteeProven(const Wheel& wheel) {
    return !firstBrokenCase(wheel).has_value();
}

} // namespace powerball
