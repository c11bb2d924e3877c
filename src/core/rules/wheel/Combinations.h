#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace powerball {

// Subsets of {0..n-1} with up to five members, numbered in colexicographic order: the rank
// of the ascending members s0 < s1 < ... is C(s0,1) + C(s1,2) + ..., so the subsets of
// {0..n-1} of one size take the ranks 0 .. C(n,size)-1 without a gap.
namespace Combinations {

inline constexpr int kMaxElements = 70;
inline constexpr int kMaxSize = 5;

// C(n, k) for n < 70 and k <= 5; 0 when k > n.
std::uint64_t binomial(int n, int k);

// The rank of `size` ascending members.
std::uint32_t rank(const int* members, int size);

// The ascending members of the subset of `size` members with the given rank.
void unrank(std::uint32_t rank, int size, int* members);

// Calls visit(members) for every subset of `size` members of {0..n-1}, in rank order.
template <typename Visit> void forEachSubset(int n, int size, Visit&& visit) {
    std::array<int, kMaxSize> members{};
    if (size > n || size < 0)
        return;
    for (int i = 0; i < size; ++i)
        members[static_cast<std::size_t>(i)] = i;
    while (true) {
        visit(members.data());
        // The colex successor: raise the lowest member that can go up by one.
        int i = 0;
        while (i < size && (i + 1 < size ? members[static_cast<std::size_t>(i)] + 1 ==
                                               members[static_cast<std::size_t>(i + 1)]
                                         : members[static_cast<std::size_t>(i)] + 1 == n))
            ++i;
        if (i == size)
            return;
        ++members[static_cast<std::size_t>(i)];
        for (int j = 0; j < i; ++j)
            members[static_cast<std::size_t>(j)] = j;
    }
}

// Calls visit(members) for every subset of `size` of the given ascending elements, with the
// members ascending.
template <typename Visit>
void forEachSubsetOf(const int* elements, int count, int size, Visit&& visit) {
    std::array<int, kMaxSize> picked{};
    forEachSubset(count, size, [&](const int* positions) {
        for (int i = 0; i < size; ++i)
            picked[static_cast<std::size_t>(i)] = elements[positions[i]];
        visit(picked.data());
    });
}

} // namespace Combinations

} // namespace powerball
