#pragma once

#include <algorithm>

#include <array>
#include <utility>

namespace powerball {

// A row while the generator draws it: five white numbers, the Powerball and the hidden
// value; 0 means not set.
struct TipCandidate {
    std::array<int, 7> values{};

    int white(int position) const { return values[static_cast<std::size_t>(position - 1)]; }
    int powerball() const { return values[5]; }
    int crossSum() const { return values[0] + values[1] + values[2] + values[3] + values[4]; }
    // Exchange sort of the five white numbers, ascending.
    void sortWhite() { std::sort(values.begin(), values.begin() + 5); }
    void clear() { values = {}; }
};

} // namespace powerball
