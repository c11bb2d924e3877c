#include "stats/BarColor.h"

#include <algorithm>
#include <array>

namespace powerball {

bool isMarkedPrime(int number) {
    static constexpr std::array<int, 15> primes{2,  3,  5,  7,  11, 13, 17, 19,
                                                23, 29, 31, 37, 41, 43, 47};
    return std::binary_search(primes.begin(), primes.end(), number);
}

BarColor whiteNumberBarColor(int number) {
    return isMarkedPrime(number) ? BarColors::Red : BarColors::Green;
}

} // namespace powerball
