#include "rules/wheel/Combinations.h"
#include "rules/wheel/WheelBounds.h"
#include "rules/wheel/WheelSearch.h"

#include <gtest/gtest.h>

#include <bitset>
#include <numeric>

namespace powerball {
namespace {

std::vector<int> firstNumbers(int count, int from = 3) {
    std::vector<int> numbers(static_cast<std::size_t>(count));
    std::iota(numbers.begin(), numbers.end(), from);
    return numbers;
}

WheelSearchOptions fixedSteps(std::uint64_t seed = 7) {
    WheelSearchOptions options;
    options.budget = std::chrono::minutes(10); // the steps end the search, never the clock
    options.maxSteps = 200'000;
    options.seed = seed;
    return options;
}

// The fewest rows any wheel over v <= 8 numbers keeps the guarantee with, by trying every
// set of rows up to `most`; 0 when it takes more. Also returns one smallest wheel.
std::pair<std::size_t, Wheel> exhaustiveMinimum(int v, const WheelGuarantee& g, std::size_t most) {
    const std::vector<int> numbers = firstNumbers(v, 1);
    std::vector<std::array<int, 5>> blocks;
    Combinations::forEachSubset(v, 5, [&](const int* m) {
        blocks.push_back({m[0] + 1, m[1] + 1, m[2] + 1, m[3] + 1, m[4] + 1});
    });
    // Each block as the set of cases it keeps the promise for; a wheel keeps every case.
    using Cases = std::bitset<70>; // C(8, m) <= 70
    const std::size_t caseCount = Combinations::binomial(v, g.m);
    std::vector<Cases> kept(blocks.size());
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        std::size_t c = 0;
        Combinations::forEachSubset(v, g.m, [&](const int* drawn) {
            int shared = 0;
            for (int i = 0; i < g.m; ++i)
                shared += std::count(blocks[b].begin(), blocks[b].end(), drawn[i] + 1) > 0;
            kept[b][c++] = shared >= g.t;
        });
    }
    for (std::size_t size = 1; size <= most; ++size) {
        std::vector<std::size_t> pick(size);
        std::iota(pick.begin(), pick.end(), 0);
        while (true) {
            Cases all;
            for (std::size_t p : pick)
                all |= kept[p];
            if (all.count() == caseCount) {
                Wheel wheel{numbers, g, {}};
                for (std::size_t p : pick)
                    wheel.rows.push_back(blocks[p]);
                return {size, wheel};
            }
            std::size_t i = size;
            while (i > 0 && pick[i - 1] == blocks.size() - size + i - 1)
                --i;
            if (i == 0)
                break;
            ++pick[i - 1];
            for (std::size_t j = i; j < size; ++j)
                pick[j] = pick[j - 1] + 1;
        }
    }
    return {0, {}};
}

TEST(WheelTest, RanksNumberEverySubsetOnceAndBack) {
    for (int size = 1; size <= 5; ++size) {
        std::uint32_t expected = 0;
        Combinations::forEachSubset(12, size, [&](const int* members) {
            ASSERT_EQ(Combinations::rank(members, size), expected);
            std::array<int, 5> back{};
            Combinations::unrank(expected, size, back.data());
            for (int i = 0; i < size; ++i)
                ASSERT_EQ(back[static_cast<std::size_t>(i)], members[i]);
            ++expected;
        });
        EXPECT_EQ(expected, Combinations::binomial(12, size));
    }
}

TEST(WheelTest, GuaranteesAndNumbersAreReadStrictly) {
    EXPECT_EQ(parseWheelGuarantee("3if4"), (WheelGuarantee{3, 4}));
    EXPECT_EQ(parseWheelGuarantee(" 2 IF 2 "), (WheelGuarantee{2, 2}));
    for (const char* bad : {"4if3", "0if2", "3if6", "3of4", "34", "", "10if12"})
        EXPECT_FALSE(parseWheelGuarantee(bad)) << bad;
    EXPECT_FALSE(wheelNumbersProblem(firstNumbers(6)));
    EXPECT_FALSE(wheelNumbersProblem(firstNumbers(40, 30)));
    EXPECT_TRUE(wheelNumbersProblem(firstNumbers(5)));
    EXPECT_TRUE(wheelNumbersProblem(firstNumbers(41)));
    EXPECT_TRUE(wheelNumbersProblem({1, 2, 3, 4, 5, 70}));
    EXPECT_TRUE(wheelNumbersProblem({1, 2, 3, 4, 5, 5}));
}

// The search's row count equals the true minimum wherever trying every set of rows is cheap,
// the proof accepts the smallest wheel and refuses it without any one of its rows, and the
// lower bound never exceeds the minimum.
TEST(WheelTest, SmallWheelsAreAsSmallAsPossibleAndProven) {
    struct Case {
        int v;
        WheelGuarantee guarantee;
    };
    const Case cases[] = {{7, {2, 2}}, {8, {2, 2}}, {7, {3, 3}}, {8, {1, 1}}, {8, {2, 3}},
                          {8, {3, 4}}, {7, {2, 4}}, {8, {1, 4}}, {7, {4, 5}}, {7, {3, 4}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.v) + " numbers, " + c.guarantee.text());
        const auto [minimum, smallest] = exhaustiveMinimum(c.v, c.guarantee, c.v == 7 ? 8 : 5);
        ASSERT_GT(minimum, 0u);
        ASSERT_TRUE(guaranteeProven(smallest));
        for (std::size_t r = 0; r < smallest.rows.size(); ++r) {
            Wheel defective = smallest;
            defective.rows.erase(defective.rows.begin() + static_cast<std::ptrdiff_t>(r));
            EXPECT_FALSE(guaranteeProven(defective)) << "without row " << r + 1;
        }
        EXPECT_LE(wheelLowerBound(c.v, c.guarantee), minimum);

        const WheelSearchResult found =
            searchWheel(firstNumbers(c.v, 1), c.guarantee, fixedSteps());
        EXPECT_TRUE(guaranteeProven(found.wheel));
        EXPECT_EQ(found.wheel.rows.size(), minimum);
    }
}

TEST(WheelTest, TheProofRefusesRowsOutsideTheChosenNumbers) {
    Wheel wheel = fullWheel(firstNumbers(6, 1), {3, 3});
    ASSERT_TRUE(guaranteeProven(wheel));
    wheel.rows[0][4] = 60;
    EXPECT_TRUE(firstBrokenCase(wheel).has_value());
    wheel.rows[0] = {1, 1, 2, 3, 4};
    EXPECT_TRUE(firstBrokenCase(wheel).has_value());
}

TEST(WheelTest, BoundsAreTheKnownOnes) {
    EXPECT_EQ(wheelLowerBound(12, {1, 1}), 3u);  // ceil(12/5)
    EXPECT_EQ(wheelLowerBound(7, {2, 2}), 3u);   // ceil(7/5 * ceil(6/4))
    EXPECT_EQ(wheelLowerBound(10, {3, 3}), 14u); // ceil(10/5 * ceil(9/4 * ceil(8/3)))
    EXPECT_EQ(wheelLowerBound(9, {5, 5}), 126u); // every row: C(9,5)
    EXPECT_EQ(wheelLowerBound(20, {1, 5}), 4u);  // the rows reach 16 numbers or more
}

TEST(WheelTest, TheFullWheelHoldsEveryRowOfFive) {
    const WheelSearchResult result = searchWheel(firstNumbers(9), {5, 5}, {});
    EXPECT_EQ(result.wheel.rows.size(), 126u);
    EXPECT_TRUE(result.complete);
    EXPECT_TRUE(guaranteeProven(result.wheel));
}

TEST(WheelTest, ASeedGivesTheSameWheelAndAStopKeepsTheBestProvenOne) {
    const std::vector<int> numbers = firstNumbers(16, 10);
    const WheelSearchResult first = searchWheel(numbers, {3, 4}, fixedSteps(11));
    const WheelSearchResult again = searchWheel(numbers, {3, 4}, fixedSteps(11));
    EXPECT_EQ(first.wheel.rows, again.wheel.rows);

    // Stopped as soon as the first wheel is known: that wheel comes back, proven.
    std::atomic<bool> stop{false};
    std::vector<std::size_t> heard;
    WheelSearchOptions options;
    options.budget = std::chrono::minutes(10);
    const WheelSearchResult stopped =
        searchWheel(numbers, {3, 3}, options, &stop, [&](std::size_t rows) {
            heard.push_back(rows);
            stop = true;
        });
    EXPECT_TRUE(stopped.stopped);
    ASSERT_FALSE(heard.empty());
    EXPECT_EQ(stopped.wheel.rows.size(), *std::min_element(heard.begin(), heard.end()));
    EXPECT_TRUE(guaranteeProven(stopped.wheel));
}

// Long enough for rounds that freeze without a wheel and start again from the fewest open
// cases seen: every wheel heard is smaller than the one before, the last one heard comes
// back, proven, and none is below the bound.
TEST(WheelTest, RestartedRoundsOnlyEverReportSmallerProvenWheels) {
    WheelSearchOptions options = fixedSteps(3);
    options.maxSteps = 900'000;
    options.searches = 1;
    std::vector<std::size_t> heard;
    const WheelSearchResult result = searchWheel(firstNumbers(12), {3, 3}, options, nullptr,
                                                 [&](std::size_t rows) { heard.push_back(rows); });
    ASSERT_FALSE(heard.empty());
    EXPECT_TRUE(std::is_sorted(heard.rbegin(), heard.rend()));
    EXPECT_EQ(std::adjacent_find(heard.begin(), heard.end()), heard.end());
    EXPECT_EQ(result.wheel.rows.size(), heard.back());
    EXPECT_GE(result.wheel.rows.size(), result.lowerBound);
    EXPECT_TRUE(guaranteeProven(result.wheel));
}

TEST(WheelTest, PowerballsGoToTheRowsInTurn) {
    EXPECT_EQ(wheelPowerballs(3, {9}), (std::vector<int>{9, 9, 9}));
    EXPECT_EQ(wheelPowerballs(5, {9, 14}), (std::vector<int>{9, 14, 9, 14, 9}));
}

} // namespace
} // namespace powerball
