#pragma once

#include <cstdint>

namespace powerball {

// Bounds and averages taken from statistics are rounded to the nearest integer, a half to
// the even neighbour: 2.5 gives 2, 3.5 gives 4, 82.5 gives 82.
int roundHalfEven(double value);

// total / count rounded half to even, computed exactly on integers; count must be above 0.
std::int64_t averageHalfEven(std::int64_t total, std::int64_t count);

} // namespace powerball
