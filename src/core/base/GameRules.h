#pragma once

#include <algorithm>
#include <array>

namespace powerball {

// The game as the program plays it: five white numbers out of 1..69, a Powerball out of 1..26.
inline constexpr int kWhiteCount = 5;
inline constexpr int kHighestWhite = 69;
inline constexpr int kHighestPowerball = 26;

// The program's one prime table. It stops at 47, as it always has: the charts mark these
// numbers and the prime filter counts them, and both must agree.
inline constexpr std::array<int, 15> kListedPrimes{2,  3,  5,  7,  11, 13, 17, 19,
                                                   23, 29, 31, 37, 41, 43, 47};

constexpr bool isListedPrime(int number) {
    return std::binary_search(kListedPrimes.begin(), kListedPrimes.end(), number);
}

} // namespace powerball
