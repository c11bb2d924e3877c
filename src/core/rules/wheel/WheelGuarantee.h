#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// "t if m": whatever five white numbers are drawn, when at least m of them are among the
// chosen numbers, at least one row of the wheel holds at least t of those. "5 if 5" asks for
// every row of five (the full wheel).
struct WheelGuarantee {
    int t = 3;
    int m = 3;

    bool operator==(const WheelGuarantee&) const = default;
    bool full() const { return t == 5 && m == 5; }
    std::string text() const; // "3if4"
};

inline constexpr int kFewestWheelNumbers = 6;
inline constexpr int kMostWheelNumbers = 40;

// "3if4" (also "3 if 4"); nothing unless 1 <= t <= m <= 5.
std::optional<WheelGuarantee> parseWheelGuarantee(std::string_view text);

// Why the chosen numbers cannot make a wheel (English, for the command line), or nothing:
// 6 to 40 distinct numbers of 1..69.
std::optional<std::string> wheelNumbersProblem(const std::vector<int>& numbers);

// Every guarantee worth offering, weakest first: each "t if m" with 1 <= t <= m <= 5.
std::vector<WheelGuarantee> offeredGuarantees();

} // namespace powerball
