#include "rules/wheel/WheelGuarantee.h"

#include "base/GameRules.h"

#include <algorithm>
#include <cctype>

namespace powerball {

std::string WheelGuarantee::text() const {
    return std::to_string(t) + "if" + std::to_string(m);
}

std::optional<WheelGuarantee> parseWheelGuarantee(std::string_view text) {
    std::string compact;
    for (char c : text)
        if (!std::isspace(static_cast<unsigned char>(c)))
            compact += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (compact.size() != 4 || compact.substr(1, 2) != "if" || !std::isdigit(compact[0]) ||
        !std::isdigit(compact[3]))
        return std::nullopt;
    const WheelGuarantee guarantee{compact[0] - '0', compact[3] - '0'};
    if (guarantee.t < 1 || guarantee.t > guarantee.m || guarantee.m > 5)
        return std::nullopt;
    return guarantee;
}

std::optional<std::string> wheelNumbersProblem(const std::vector<int>& numbers) {
    const int count = static_cast<int>(numbers.size());
    if (count < kFewestWheelNumbers || count > kMostWheelNumbers)
        return "a wheel takes " + std::to_string(kFewestWheelNumbers) + " to " +
               std::to_string(kMostWheelNumbers) + " numbers, not " + std::to_string(count);
    for (int n : numbers)
        if (n < 1 || n > kHighestWhite)
            return std::to_string(n) + " is not a white number from 1 to " +
                   std::to_string(kHighestWhite);
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const auto twice = std::adjacent_find(sorted.begin(), sorted.end());
    if (twice != sorted.end())
        return std::to_string(*twice) + " is chosen twice";
    return std::nullopt;
}

std::vector<WheelGuarantee> offeredGuarantees() {
    std::vector<WheelGuarantee> offered;
    for (int m = 1; m <= 5; ++m)
        for (int t = 1; t <= m; ++t)
            offered.push_back({t, m});
    return offered;
}

} // namespace powerball
