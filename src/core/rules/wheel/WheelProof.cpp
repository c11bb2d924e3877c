#include "rules/wheel/WheelProof.h"

#include "rules/wheel/Combinations.h"

#include <algorithm>
#include <vector>

namespace powerball {

namespace {

// The row's positions among the chosen numbers, ascending; nothing when a number is not
// chosen or repeats.
std::optional<std::array<int, 5>> positionsOf(const std::vector<int>& numbers,
                                              const std::array<int, 5>& row) {
    std::array<int, 5> positions{};
    for (std::size_t i = 0; i < 5; ++i) {
        const auto found = std::lower_bound(numbers.begin(), numbers.end(), row[i]);
        if (found == numbers.end() || *found != row[i])
            return std::nullopt;
        positions[i] = static_cast<int>(found - numbers.begin());
    }
    std::sort(positions.begin(), positions.end());
    if (std::adjacent_find(positions.begin(), positions.end()) != positions.end())
        return std::nullopt;
    return positions;
}

} // namespace

std::optional<std::vector<int>> firstBrokenCase(const Wheel& wheel) {
    const int v = static_cast<int>(wheel.numbers.size());
    const int t = wheel.guarantee.t;
    const int m = wheel.guarantee.m;
    std::vector<int> firstCase(wheel.numbers.begin(), wheel.numbers.begin() + std::min<int>(m, v));
    if (!std::is_sorted(wheel.numbers.begin(), wheel.numbers.end()) || v < m || t < 1 || t > m ||
        m > 5)
        return firstCase;

    // A set of m chosen numbers shares t or more with a row exactly when one of its subsets
    // of t numbers lies inside that row: mark every t-subset of every row, then look at the
    // t-subsets of each case.
    std::vector<bool> covered(Combinations::binomial(v, t), false);
    for (const auto& row : wheel.rows) {
        const auto positions = positionsOf(wheel.numbers, row);
        if (!positions)
            return firstCase;
        Combinations::forEachSubsetOf(positions->data(), 5, t, [&](const int* subset) {
            covered[Combinations::rank(subset, t)] = true;
        });
    }
    std::optional<std::vector<int>> broken;
    Combinations::forEachSubset(v, m, [&](const int* drawn) {
        if (broken)
            return;
        bool kept = false;
        Combinations::forEachSubsetOf(drawn, m, t, [&](const int* subset) {
            kept = kept || covered[Combinations::rank(subset, t)];
        });
        if (!kept) {
            broken.emplace();
            for (int i = 0; i < m; ++i)
                broken->push_back(wheel.numbers[static_cast<std::size_t>(drawn[i])]);
        }
    });
    return broken;
}

} // namespace powerball
