#include "rules/evaluation/ChanceBaseline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace powerball;

namespace {

TEST(ChanceBaseline, WhiteHitsFollowTheHypergeometricLaw) {
    // C(69,5) = 11238513; C(64,5) = 7624512; C(5,3)·C(64,2) = 10·2016.
    EXPECT_DOUBLE_EQ(ChanceBaseline::whiteHitChance(5), 1.0 / 11238513);
    EXPECT_DOUBLE_EQ(ChanceBaseline::whiteHitChance(0), 7624512.0 / 11238513);
    EXPECT_DOUBLE_EQ(ChanceBaseline::whiteHitChance(3), 20160.0 / 11238513);
    double total = 0;
    for (int k = 0; k <= 5; ++k)
        total += ChanceBaseline::whiteHitChance(k);
    EXPECT_NEAR(total, 1.0, 1e-12);
}

TEST(ChanceBaseline, ExpectedRowsSplitByThePowerballOfEachDraw) {
    // Two rows against a draw with Powerball 10 and one with 30 from the old drum.
    const std::vector<int> powerballs{10, 30};
    const ChanceBaseline::ExpectedTable table = ChanceBaseline::expectedRows(powerballs, 2);
    const double p3 = 20160.0 / 11238513;
    EXPECT_DOUBLE_EQ(table[3][1], 2 * p3 / 26);
    EXPECT_DOUBLE_EQ(table[3][0], 2 * p3 * 25 / 26 + 2 * p3);
    double rows = 0;
    for (const auto& cell : table)
        rows += cell[0] + cell[1];
    EXPECT_NEAR(rows, 4.0, 1e-12);
}

TEST(ChanceBaseline, PoissonTail) {
    EXPECT_DOUBLE_EQ(ChanceBaseline::poissonAtLeast(0, 3.0), 1.0);
    EXPECT_NEAR(ChanceBaseline::poissonAtLeast(1, 0.5), 1 - std::exp(-0.5), 1e-15);
    EXPECT_NEAR(ChanceBaseline::poissonAtLeast(3, 2.0), 1 - 5 * std::exp(-2.0), 1e-15);
    EXPECT_DOUBLE_EQ(ChanceBaseline::poissonAtLeast(2, 0.0), 0.0);
    // Far in the tail the chance stays positive and tiny instead of rounding to 0 or less.
    const double tail = ChanceBaseline::poissonAtLeast(40, 1.0);
    EXPECT_GT(tail, 0.0);
    EXPECT_LT(tail, 1e-40);
}

} // namespace
