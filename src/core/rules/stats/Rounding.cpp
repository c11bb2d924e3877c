#include "rules/stats/Rounding.h"

#include <cmath>

namespace powerball {

int roundHalfEven(double value) {
    // nearbyint rounds in the current mode; the program never leaves round-to-nearest-even.
    return static_cast<int>(std::nearbyint(value));
}

std::int64_t averageHalfEven(std::int64_t total, std::int64_t count) {
    std::int64_t quotient = total / count;
    std::int64_t remainder = total % count;
    if (remainder < 0) { // floor division, so the remainder compares the same way below
        --quotient;
        remainder += count;
    }
    const std::int64_t twice = 2 * remainder;
    if (twice > count || (twice == count && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace powerball
