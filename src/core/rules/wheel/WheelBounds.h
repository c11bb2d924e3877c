#pragma once

#include "rules/wheel/WheelGuarantee.h"

#include <cstdint>
#include <optional>

namespace powerball {

// The fewest rows any wheel over `count` numbers with the guarantee can have, as far as the
// program can prove it: for "t if t" the Schönheim bound; otherwise the counting bound (each
// row keeps the promise for at most so many of the cases) and, for "1 if m", the rows must
// reach all but m-1 of the numbers.
std::uint64_t wheelLowerBound(int count, const WheelGuarantee& guarantee);

} // namespace powerball
