#include "app/stats/StatisticCommands.h"

#include "StatisticFixture.h"

using namespace powerball;
using powerball::testing::draw;
using powerball::testing::StatisticTest;

namespace {

class StatisticCommandsTest : public StatisticTest {
protected:
    void SetUp() override {
        StatisticTest::SetUp();
        useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 6)});
        setWindow("2015-10-01", "2015-10-31");
    }
};

// Which statistics bring the chart page to the front by themselves.
TEST_F(StatisticCommandsTest, PageInFrontAfterEachStatistic) {
    struct Case {
        StatisticKind kind;
        bool generatorRunning;
        Page page;
    };
    const Case cases[] = {
        {StatisticKind::NumberFrequency, false, Page::Database},
        {StatisticKind::OverdueNumbers, false, Page::Chart},
        {StatisticKind::OverdueNumbers, true, Page::Chart},
        {StatisticKind::PowerballFrequency, false, Page::Database},
        {StatisticKind::OverduePowerballs, false, Page::Chart},
        {StatisticKind::OverduePowerballs, true, Page::Database},
        {StatisticKind::Pairs, false, Page::Chart},
        {StatisticKind::Triples, true, Page::Chart},
        {StatisticKind::Quads, false, Page::Chart},
        {StatisticKind::CrossSums, false, Page::Database},
        {StatisticKind::TipDistribution, false, Page::Chart},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind));
        state.pageInFront = Page::Database;
        state.generatorRunning = c.generatorRunning;
        runStatistic(state, c.kind);
        EXPECT_EQ(state.pageInFront, c.page);
    }
}

TEST_F(StatisticCommandsTest, ShortcutsShowTheChartPageFirst) {
    state.pageInFront = Page::Calculation;
    runStatisticOnChartPage(state, StatisticKind::CrossSums);
    EXPECT_EQ(state.pageInFront, Page::Chart);
    EXPECT_EQ(state.chart.barCount(), 1);
}

TEST_F(StatisticCommandsTest, EachKindFillsTheChart) {
    struct Case {
        StatisticKind kind;
        int bars;
    };
    const Case cases[] = {
        {StatisticKind::NumberFrequency, 69},
        {StatisticKind::OverdueNumbers, 69},
        {StatisticKind::PowerballFrequency, 26},
        {StatisticKind::OverduePowerballs, 26},
        {StatisticKind::Pairs, 68},
        {StatisticKind::Triples, 67},
        {StatisticKind::Quads, 69},
        {StatisticKind::CrossSums, 1},
        {StatisticKind::TipDistribution, 69},
    };
    for (const Case& c : cases) {
        runStatistic(state, c.kind);
        EXPECT_EQ(state.chart.barCount(), c.bars) << static_cast<int>(c.kind);
    }
}

} // namespace
