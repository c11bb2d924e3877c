#include "rules/wheel/Combinations.h"

namespace powerball::Combinations {

namespace {

using Table = std::array<std::array<std::uint64_t, kMaxSize + 1>, kMaxElements + 1>;

constexpr Table makeTable() {
    Table table{};
    for (int n = 0; n <= kMaxElements; ++n) {
        table[static_cast<std::size_t>(n)][0] = 1;
        for (int k = 1; k <= kMaxSize; ++k)
            table[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                n == 0 ? 0
                       : table[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                             table[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)];
    }
    return table;
}

constexpr Table kTable = makeTable();

} // namespace

std::uint64_t binomial(int n, int k) {
    if (n < 0 || k < 0 || k > kMaxSize || n > kMaxElements)
        return 0;
    return kTable[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)];
}

std::uint32_t rank(const int* members, int size) {
    std::uint64_t r = 0;
    for (int i = 0; i < size; ++i)
        r += binomial(members[i], i + 1);
    return static_cast<std::uint32_t>(r);
}

void unrank(std::uint32_t rank, int size, int* members) {
    std::uint64_t left = rank;
    for (int i = size; i >= 1; --i) {
        // The largest member s with C(s, i) <= what is left.
        int s = i - 1;
        while (binomial(s + 1, i) <= left)
            ++s;
        members[i - 1] = s;
        left -= binomial(s, i);
    }
}

} // namespace powerball::Combinations
