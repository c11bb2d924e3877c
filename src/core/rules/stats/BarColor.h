#pragma once

#include <cstdint>

namespace powerball {

// The colour of one chart bar as red, green and blue.
struct BarColor {
    std::uint8_t red = 0;
    std::uint8_t green = 128;
    std::uint8_t blue = 0;

    bool operator==(const BarColor&) const = default;
};

namespace BarColors {
inline constexpr BarColor Red{255, 0, 0};
inline constexpr BarColor Green{0, 128, 0};
} // namespace BarColors

// The primes that the program marks: 2 .. 47. The primes above 47 (53, 59, 61, 67) do not
// count, neither in the white-number charts nor anywhere else.
bool isMarkedPrime(int number);

// A bar of a white-number chart: red for the marked primes, green for the rest.
BarColor whiteNumberBarColor(int number);

} // namespace powerball
