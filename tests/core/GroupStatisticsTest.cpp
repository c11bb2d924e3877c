#include "app/stats/GroupStatistics.h"

#include "draws/DrawFileError.h"

#include "StatisticFixture.h"

#include <map>
#include <numeric>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::StatisticTest;

namespace {

class GroupStatisticsTest : public StatisticTest {
protected:
    // The bars that are not 0, by starting number.
    std::map<int, int> nonZeroBars() const {
        std::map<int, int> bars;
        for (const ChartBar& bar : state.chart.bars())
            if (bar.value != 0)
                bars[bar.x] = bar.value;
        return bars;
    }
};

TEST_F(GroupStatisticsTest, RunsCountAtTheirStartingNumber) {
    struct Case {
        std::array<int, 5> white;
        std::map<int, int> pairs;
        std::map<int, int> triples;
        std::map<int, int> quads;
    };
    const Case cases[] = {
        {{4, 5, 6, 20, 40}, {{4, 1}, {5, 1}}, {{4, 1}}, {}},
        {{28, 29, 30, 31, 50}, {{28, 1}, {29, 1}, {30, 1}}, {{28, 1}, {29, 1}}, {{28, 1}}},
        // stored unsorted, as the update may store them; 69 and 1 are no neighbours
        {{67, 68, 69, 1, 2}, {{1, 1}, {67, 1}, {68, 1}}, {{67, 1}}, {}},
        {{10, 12, 14, 16, 18}, {}, {}, {}},
    };
    setWindow("2015-10-01", "2015-10-31");
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.white));
        useDraws({draw("2015-10-10", c.white, 1)});
        showPairs(state);
        EXPECT_EQ(nonZeroBars(), c.pairs);
        showTriples(state);
        EXPECT_EQ(nonZeroBars(), c.triples);
        showQuads(state);
        EXPECT_EQ(nonZeroBars(), c.quads);
    }
    // Numbers above 69 are a damaged record: reported, never counted.
    useDraws({draw("2015-10-10", {5, 70, 71, 72, 6}, 1)});
    EXPECT_THROW(showPairs(state), DrawFileError);
}

TEST_F(GroupStatisticsTest, BarsAxisAndCaptionOfEachRunLength) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 1), draw("2015-10-10", {4, 5, 6, 20, 40}, 1),
              draw("2015-10-14", {28, 29, 30, 31, 50}, 1),
              draw("2015-10-17", {67, 68, 69, 1, 2}, 1)});
    setWindow("2015-10-01", "2015-10-31");

    showPairs(state);
    ASSERT_EQ(state.chart.barCount(), 68);
    EXPECT_EQ(state.chart.bars().front().x, 1);
    EXPECT_EQ(state.chart.bars().back().x, 68);
    EXPECT_EQ(valueAt(4), 2);
    EXPECT_EQ(valueAt(1), 2);
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 2}));
    EXPECT_FALSE(state.chart.automaticRange());
    const std::vector<int> pairs = barValues();
    EXPECT_EQ(std::accumulate(pairs.begin(), pairs.end(), 0), 12);
    EXPECT_EQ(state.chart.caption(), "Ziehungen: 4   Paare gefunden:12");

    showTriples(state);
    ASSERT_EQ(state.chart.barCount(), 67);
    EXPECT_EQ(state.chart.bars().back().x, 67);
    EXPECT_EQ(state.chart.caption(), "Ziehungen: 4   Dreier gefunden:7");
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 1}));

    showQuads(state);
    ASSERT_EQ(state.chart.barCount(), 69);
    EXPECT_EQ(valueAt(67), 0);
    EXPECT_EQ(valueAt(68), 0);
    EXPECT_EQ(valueAt(69), 0);
    EXPECT_TRUE(state.chart.automaticRange());
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 1}));
    EXPECT_EQ(state.chart.caption(), "Ziehungen: 4   Vierer gefunden:3");
    for (const ChartBar& bar : state.chart.bars())
        EXPECT_EQ(bar.color, StatisticChart::kDefaultColor);
}

TEST_F(GroupStatisticsTest, StartDayIsNotCountedSelectedDayIs) {
    useDraws(
        {draw("2015-10-07", {1, 2, 30, 40, 50}, 1), draw("2015-10-10", {10, 11, 30, 40, 50}, 1),
         draw("2015-10-14", {20, 21, 30, 40, 50}, 1), draw("2015-10-17", {60, 61, 30, 40, 50}, 1)});
    setWindow("2015-10-10", "2015-10-14");
    showPairs(state);
    EXPECT_EQ(nonZeroBars(), (std::map<int, int>{{20, 1}}));
    EXPECT_EQ(state.chart.caption(), "Ziehungen: 1   Paare gefunden:1");
    EXPECT_EQ(state.scanFromDate, state.startDate);
}

TEST_F(GroupStatisticsTest, LastDrawOfTheWindowBecomesTheCurrentNumbers) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
              draw("2015-10-10", {7, 8, 9, 10, 11}, 12, 3),
              draw("2015-10-14", {21, 22, 23, 24, 25}, 8, 4)});
    state.currentDraw.date = day("2015-10-14");
    state.currentDraw.numbers = draw("2015-10-14", {21, 22, 23, 24, 25}, 8, 4).drawNumbers();
    state.drawIndex = 2;

    setWindow("2015-10-01", "2015-10-10");
    showTriples(state);
    EXPECT_EQ(state.currentDraw.numbers,
              draw("2015-10-10", {7, 8, 9, 10, 11}, 12, 3).drawNumbers());
    EXPECT_EQ(state.currentDraw.date, day("2015-10-14"));
    EXPECT_EQ(state.drawIndex, 2);

    const CurrentDraw before = state.currentDraw;
    setWindow("2015-10-15", "2015-10-31"); // no draw
    showPairs(state);
    EXPECT_EQ(state.currentDraw.numbers, before.numbers);
    EXPECT_EQ(state.chart.caption(), "Ziehungen: 0   Paare gefunden:0");
    EXPECT_EQ(barValues(), std::vector<int>(68, 0));
}

TEST_F(GroupStatisticsTest, MissingFileStopsBeforeTheChartIsTouched) {
    state.chart.addBar(1, 9);
    state.pageInFront = Page::Database;
    EXPECT_THROW(showQuads(state), DrawFileError);
    EXPECT_EQ(state.chart.barCount(), 1);
    EXPECT_EQ(state.pageInFront, Page::Database);
}

} // namespace
