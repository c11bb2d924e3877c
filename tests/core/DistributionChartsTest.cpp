#include "app/stats/DistributionCharts.h"

#include "StatisticFixture.h"
#include "draws/DrawFileError.h"

using namespace powerball;
using powerball::testing::draw;
using powerball::testing::StatisticTest;

namespace {

class DistributionChartsTest : public StatisticTest {};

TEST_F(DistributionChartsTest, CrossSumsSpanTheSumsThatOccurred) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 1), draw("2015-10-10", {10, 20, 30, 40, 50}, 1),
              draw("2015-10-14", {3, 4, 5, 6, 7}, 1)});
    setWindow("2015-10-06", "2015-10-10");
    showCrossSums(state);

    ASSERT_EQ(state.chart.barCount(), 136);
    EXPECT_EQ(state.chart.bars().front(), (ChartBar{15, 1, StatisticChart::kDefaultColor}));
    EXPECT_EQ(state.chart.bars().back(), (ChartBar{150, 1, StatisticChart::kDefaultColor}));
    for (int sum = 16; sum < 150; ++sum)
        EXPECT_EQ(valueAt(sum), 0) << sum;
    EXPECT_TRUE(state.chart.automaticRange());
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 1}));
    // 82.5 rounds to the even neighbour.
    EXPECT_EQ(state.chart.caption(), "Quersummenverteilung     Ziehungen: 2    Quersumme: 82");
}

TEST_F(DistributionChartsTest, CrossSumWindowLeavesOutTheStartDay) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 1), draw("2015-10-10", {10, 20, 30, 40, 50}, 1)});
    setWindow("2015-10-07", "2015-10-10");
    showCrossSums(state);
    ASSERT_EQ(state.chart.barCount(), 1);
    EXPECT_EQ(state.chart.bars().front().x, 150);
    EXPECT_EQ(state.scanFromDate, state.startDate);
}

TEST_F(DistributionChartsTest, EmptyWindowShowsNoBarsAndKeepsTheCaption) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 1)});
    setWindow("2015-10-07", "2015-10-31");
    state.chart.setCaption("before");
    state.chart.addBar(1, 1);
    showCrossSums(state);
    EXPECT_EQ(state.chart.barCount(), 0);
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 0}));
    EXPECT_EQ(state.chart.caption(), "before");
}

TEST_F(DistributionChartsTest, ADamagedRecordIsReportedInsteadOfCounted) {
    useDraws({draw("2015-10-07", {255, 255, 255, 255, 255}, 1),
              draw("2015-10-10", {10, 20, 30, 40, 50}, 1)});
    setWindow("2015-10-01", "2015-10-31");
    EXPECT_THROW(showCrossSums(state), DrawFileError);
}

TEST_F(DistributionChartsTest, TipsCountUpToTheFirstFieldWithoutANumber) {
    state.tips.setLine(0, "1,2,3,4,5,6,");
    state.tips.setLine(2, "1,20,30,40,47,6,"); // row 2 is empty: row 3 is not counted
    showTipDistribution(state);
    ASSERT_EQ(state.chart.barCount(), 69);
    for (int n = 1; n <= 69; ++n)
        EXPECT_EQ(valueAt(n), n <= 5 ? 1 : 0) << n;
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 1}));
    EXPECT_FALSE(state.chart.automaticRange());
    EXPECT_EQ(state.chart.caption(), "Zahlenverteilung des Tippes");
    for (const ChartBar& bar : state.chart.bars())
        EXPECT_EQ(bar.color, whiteNumberBarColor(bar.x));

    state.tips.setLine(1, "1,2,7,8,");
    showTipDistribution(state); // row 2 ends after its fourth number
    EXPECT_EQ(valueAt(1), 2);
    EXPECT_EQ(valueAt(8), 1);
    EXPECT_EQ(valueAt(20), 0);
}

TEST_F(DistributionChartsTest, EmptySheetGivesZeroBars) {
    showTipDistribution(state);
    EXPECT_EQ(barValues(), std::vector<int>(69, 0));
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 0}));
}

TEST_F(DistributionChartsTest, TipNumbersOutsideTheSheetRangeCountTowardNoBar) {
    // The fields validate what the user types; a value written around that is still safe.
    state.tips.row(0).fields = {"0", "70", "-3", "9", "9", "", ""};
    showTipDistribution(state);
    EXPECT_EQ(valueAt(9), 2);
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 2}));
}

} // namespace
