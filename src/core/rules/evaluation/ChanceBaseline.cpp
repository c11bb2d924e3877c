#include "rules/evaluation/ChanceBaseline.h"

#include <algorithm>
#include <cmath>

namespace powerball::ChanceBaseline {

namespace {

double choose(int n, int k) {
    if (k < 0 || k > n)
        return 0.0;
    double result = 1.0;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

constexpr int kWhiteNumbers = 69;
constexpr int kDrawnWhite = 5;
constexpr int kPowerballs = 26;

} // namespace

double whiteHitChance(int hits) {
    return choose(kDrawnWhite, hits) * choose(kWhiteNumbers - kDrawnWhite, kDrawnWhite - hits) /
           choose(kWhiteNumbers, kDrawnWhite);
}

double powerballHitChance(int drawnPowerball) {
    return drawnPowerball >= 1 && drawnPowerball <= kPowerballs ? 1.0 / kPowerballs : 0.0;
}

ExpectedTable expectedRows(std::span<const int> drawnPowerballs, int rowsPerDraw) {
    ExpectedTable table{};
    for (const int powerball : drawnPowerballs) {
        const double pb = powerballHitChance(powerball);
        for (int k = 0; k <= kDrawnWhite; ++k) {
            const double rows = rowsPerDraw * whiteHitChance(k);
            table[static_cast<std::size_t>(k)][0] += rows * (1.0 - pb);
            table[static_cast<std::size_t>(k)][1] += rows * pb;
        }
    }
    return table;
}

double poissonAtLeast(int count, double mean) {
    if (count <= 0)
        return 1.0;
    if (mean <= 0.0)
        return 0.0;
    // Summed from `count` upwards, so that a tiny tail keeps its precision.
    double sum = 0.0;
    for (int i = count;; ++i) {
        const double term = std::exp(-mean + i * std::log(mean) - std::lgamma(i + 1.0));
        sum += term;
        if (i > mean && term < sum * 1e-17)
            break;
        if (i > count + 100000)
            break;
    }
    return std::min(sum, 1.0);
}

} // namespace powerball::ChanceBaseline
