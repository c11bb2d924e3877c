#include "rules/stats/StatisticChart.h"
#include "base/NumberMask.h"
#include "rules/stats/BarColor.h"
#include "rules/stats/Rounding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace powerball;

namespace {

std::vector<ChartBar> barsOf(const std::vector<int>& values) {
    std::vector<ChartBar> bars;
    int x = 1;
    for (int value : values)
        bars.push_back({x++, value, BarColors::Green});
    return bars;
}

TEST(StatisticChart, AutomaticRangeRunsFromZeroToTheLargestBar) {
    struct Case {
        std::vector<int> values;
        AxisRange range;
    };
    const Case cases[] = {
        {{}, {0, 0}},       {{0, 0, 0}, {0, 0}},  {{3, 9, 5}, {0, 9}},
        {{-4, 2}, {-4, 2}}, {{-4, -1}, {-4, -1}},
    };
    for (const Case& c : cases) {
        StatisticChart chart;
        for (const ChartBar& bar : barsOf(c.values))
            chart.addBar(bar.x, bar.value);
        chart.setAutomaticRange();
        EXPECT_EQ(chart.valueRange(), c.range) << ::testing::PrintToString(c.values);
        EXPECT_EQ(chart.axisMinimum(), c.range.minimum);
        EXPECT_EQ(chart.axisMaximum(), c.range.maximum);
    }
}

TEST(StatisticChart, FixedRangeFollowsTheBarsOnlyWhenAskedTo) {
    StatisticChart chart;
    const int values[] = {7, 3, 12};
    chart.addNumberBars(values);
    chart.fixRangeToBars();
    EXPECT_FALSE(chart.automaticRange());
    EXPECT_EQ(chart.valueRange(), (AxisRange{3, 12}));

    chart.addBar(4, 40); // the fixed range stays as it was set
    EXPECT_EQ(chart.valueRange(), (AxisRange{3, 12}));
    EXPECT_EQ(chart.barCount(), 4);
    EXPECT_EQ(chart.value(3), 40);
    EXPECT_EQ(chart.bars()[2], (ChartBar{3, 12, StatisticChart::kDefaultColor}));
}

TEST(StatisticChart, StartingAStatisticClearsTheBarsAndShowsOnlyItsSeries) {
    StatisticChart chart;
    chart.addBar(1, 5);
    chart.setCaption("old caption");
    chart.startStatistic();
    EXPECT_EQ(chart.barCount(), 0);
    EXPECT_TRUE(chart.statisticSeriesOn());
    EXPECT_FALSE(chart.secondSeriesOn());
    EXPECT_EQ(chart.caption(), "old caption"); // each statistic sets its own caption
}

TEST(BarColor, OnlyThePrimesUpTo47AreRed) {
    const std::vector<int> red{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    for (int n = 0; n <= 70; ++n) {
        const bool isRed = std::find(red.begin(), red.end(), n) != red.end();
        EXPECT_EQ(isMarkedPrime(n), isRed) << n;
        EXPECT_EQ(whiteNumberBarColor(n), isRed ? BarColors::Red : BarColors::Green) << n;
    }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        int rounded;
    };
    for (const Case c : {Case{2.5, 2},
                         {3.5, 4},
                         {82.5, 82},
                         {2.4999, 2},
                         {2.5001, 3},
                         {-2.5, -2},
                         {-3.5, -4},
                         {12.0, 12}}) {
        EXPECT_EQ(roundHalfEven(c.value), c.rounded) << c.value;
    }
}

TEST(Rounding, AveragesAreExactBeforeRounding) {
    struct Case {
        std::int64_t total;
        std::int64_t count;
        std::int64_t average;
    };
    for (const Case c : {Case{165, 2, 82},
                         {7, 2, 4},
                         {5, 2, 2},
                         {10, 4, 2},
                         {14, 4, 4},
                         {1, 3, 0},
                         {2, 3, 1},
                         {0, 5, 0},
                         {505000, 3260, 155},
                         {-5, 2, -2}}) {
        EXPECT_EQ(averageHalfEven(c.total, c.count), c.average) << c.total << "/" << c.count;
    }
}

TEST(NumberMask, RunsAcrossTheMiddleOfTheMask) {
    NumberMask drawn;
    for (int n : {1, 2, 62, 63, 64, 65, 69})
        drawn.insert(n);
    drawn.insert(200); // not a number the mask can hold
    drawn.insert(-1);
    EXPECT_EQ(drawn.size(), 7);
    EXPECT_TRUE(drawn.contains(64));
    EXPECT_FALSE(drawn.contains(66));

    const auto numbersOf = [](const NumberMask& mask) {
        std::vector<int> numbers;
        mask.forEach([&](int n) { numbers.push_back(n); });
        return numbers;
    };
    EXPECT_EQ(numbersOf(drawn.runStarts(1)), numbersOf(drawn));
    EXPECT_EQ(numbersOf(drawn.runStarts(2)), (std::vector<int>{1, 62, 63, 64}));
    EXPECT_EQ(numbersOf(drawn.runStarts(3)), (std::vector<int>{62, 63}));
    EXPECT_EQ(numbersOf(drawn.runStarts(4)), (std::vector<int>{62}));
    EXPECT_TRUE(drawn.runStarts(5).empty());
    EXPECT_EQ(numbersOf(drawn.shiftedDown(64)), (std::vector<int>{0, 1, 5}));
}

} // namespace

namespace {

TEST(StatisticChart, ShownRangeLeavesEveryBarVisible) {
    struct Case {
        std::vector<int> values;
        AxisRange shown;
    };
    const std::vector<Case> cases{
        {{130, 180, 155}, {125, 180}}, // a tenth of the span below the rarest number
        {{16, 29, 21}, {15, 29}},      // at least one below it
        {{1, 40}, {0, 40}},            // never below 0
        {{0, 7}, {0, 7}},
        {{-3, 5}, {-3, 5}},
    };
    for (const Case& c : cases) {
        StatisticChart chart;
        chart.addNumberBars(c.values);
        chart.fixRangeToBars();
        EXPECT_EQ(chart.shownRange(), c.shown);
        // The generator reads the range of the values, which stays.
        EXPECT_EQ(chart.axisMinimum(), *std::min_element(c.values.begin(), c.values.end()));
        for (int value : c.values)
            EXPECT_TRUE(value > chart.shownRange().minimum || value <= 0) << value;
    }
}

} // namespace
