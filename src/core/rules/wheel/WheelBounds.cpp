#include "rules/wheel/WheelBounds.h"

#include "rules/wheel/Combinations.h"

#include <algorithm>

namespace powerball {

namespace {

std::uint64_t ceilDiv(std::uint64_t a, std::uint64_t b) {
    return b == 0 ? 0 : (a + b - 1) / b;
}

// L(v, k, t) >= ceil(v/k * L(v-1, k-1, t-1)), with L(., ., 0) = 1.
std::uint64_t schoenheim(int v, int k, int t) {
    if (t == 0)
        return 1;
    return ceilDiv(static_cast<std::uint64_t>(v) * schoenheim(v - 1, k - 1, t - 1),
                   static_cast<std::uint64_t>(k));
}

// The cases (sets of m chosen numbers) one row of five keeps the promise for: those sharing
// t or more with it.
std::uint64_t casesPerRow(int v, int t, int m) {
    std::uint64_t kept = 0;
    for (int i = t; i <= std::min(5, m); ++i)
        kept += Combinations::binomial(5, i) * Combinations::binomial(v - 5, m - i);
    return kept;
}

} // namespace

std::uint64_t wheelLowerBound(int count, const WheelGuarantee& guarantee) {
    const int v = count;
    const int t = guarantee.t;
    const int m = guarantee.m;
    if (v < 5 || t < 1 || t > m || m > 5 || v < m)
        return 0;
    if (t == m)
        return schoenheim(v, 5, t);
    std::uint64_t bound = ceilDiv(Combinations::binomial(v, m), casesPerRow(v, t, m));
    if (t == 1)
        bound = std::max(bound, ceilDiv(static_cast<std::uint64_t>(v - m + 1), 5));
    return bound;
}

} // namespace powerball
