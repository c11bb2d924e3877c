#include "rules/generator/NumberPool.h"
#include "app/generator/PoolBuilder.h"

#include "GeneratorFixture.h"

using namespace powerball;
using powerball::testing::day;
using powerball::testing::GeneratorTest;

namespace {

class NumberPoolTest : public GeneratorTest {
protected:
    // Every preference and removal off: the base entries only.
    void plainOptions() {
        CalculationSettings& o = state.settings;
        o.preferOverdue = false;
        o.limitLastDraw = o.limitSecondLastDraw = o.limitThirdLastDraw = false;
    }

    NumberPool build(const std::array<DrawNumbers, 3>& last = {}) {
        const auto pool = buildNumberPool(state, ports, last);
        EXPECT_TRUE(pool);
        return pool.value_or(NumberPool{});
    }

    static DrawNumbers numbers(std::array<int, 8> slots) { return DrawNumbers{slots}; }
};

TEST_F(NumberPoolTest, OperationsKeepOrderAndGrowPastTheOldCapacity) {
    NumberPool pool;
    pool.append(5, 3);
    pool.append(2);
    pool.append(5);
    pool.removeFirst(5);
    EXPECT_EQ(pool.entries(), (std::vector<std::uint8_t>{5, 5, 2, 5}));
    pool.removeAll(5);
    EXPECT_EQ(pool.entries(), (std::vector<std::uint8_t>{2}));
    pool.append(40, 600);
    EXPECT_EQ(pool.size(), 601);
    pool.removeBelow(13);
    EXPECT_EQ(pool.count(2), 0);
    EXPECT_EQ(pool.distinctCount(), 1);
}

TEST_F(NumberPoolTest, BaseEntriesAndTheirRemovals) {
    plainOptions();
    const NumberPool base = build();
    EXPECT_EQ(base.size(), 70);
    EXPECT_EQ(base.count(1), 2);
    EXPECT_EQ(base.count(69), 1);

    state.settings.onlyPreferred = true;
    EXPECT_TRUE(build().empty());
    state.settings.onlyPreferred = false;

    // The month numbers alone: 1..12 go (both entries of 1), 13 is the first to stay.
    state.settings.avoidMonthNumbers = true;
    const NumberPool monthsGone = build();
    EXPECT_EQ(monthsGone.count(1), 0);
    EXPECT_EQ(monthsGone.count(12), 0);
    EXPECT_EQ(monthsGone.count(13), 1);
    EXPECT_EQ(monthsGone.size(), 70 - 13);
    state.settings.avoidMonthNumbers = false;

    state.settings.lessDateNumbers = true;
    const NumberPool lessDates = build();
    EXPECT_EQ(lessDates.count(1), 1); // its second entry stays
    EXPECT_EQ(lessDates.count(31), 0);
    EXPECT_EQ(lessDates.count(32), 1);

    state.settings.avoidMonthNumbers = true;
    const NumberPool noMonths = build();
    EXPECT_EQ(noMonths.count(12), 0);
    EXPECT_EQ(noMonths.count(13), 0); // the date rule then takes 13..31
    EXPECT_EQ(noMonths.size(), 69 - 31);
}

TEST_F(NumberPoolTest, NeighboursOfEverySlotAndRemovalOfTheLastDraws) {
    plainOptions();
    state.settings.preferNeighbours = true;
    // Five white numbers, the zero slot, Powerball 26 and Power Play 2.
    const std::array<DrawNumbers, 3> last{numbers({10, 20, 30, 40, 69, 0, 26, 2}),
                                          numbers({11, 21, 31, 41, 51, 0, 3, 2}),
                                          numbers({12, 22, 32, 42, 52, 0, 4, 2})};
    NumberPool pool = build(last);
    EXPECT_EQ(pool.count(9), 5);
    EXPECT_EQ(pool.count(11), 5);
    EXPECT_EQ(pool.count(68), 5);
    EXPECT_EQ(pool.count(70), 0);
    EXPECT_EQ(pool.count(1), 2 + 4 + 4); // the zero slot and the Power Play 2
    EXPECT_EQ(pool.count(27), 5);        // beside the Powerball

    state.settings.limitLastDraw = true;
    state.settings.limitSecondLastDraw = true;
    state.settings.maxSecondLastDraw.setValue(1); // a maximum above 0 removes nothing
    pool = build(last);
    for (int n : {10, 20, 30, 40, 69})
        EXPECT_EQ(pool.count(n), 0) << n;
    EXPECT_EQ(pool.count(11), 5);
}

// The overdue statistic of 40 draws: a number never drawn is outstanding 41, the number of
// the newest draw 1, number 5 38 draws and number 6 30 draws.
TEST_F(NumberPoolTest, WorkedExampleOfTheOverdueNumbers) {
    std::vector<std::array<int, 5>> whites(40, {50, 51, 52, 53, 54});
    whites[2] = {5, 50, 51, 52, 53};
    whites[10] = {6, 50, 51, 52, 53};
    const double first = day("2016-01-01");
    useDraws(first, whites);
    state.startDate = first - 1;
    state.selectedDate = first + 39;
    plainOptions();
    state.settings.preferOverdue = true;
    // Each status text reaches the window's events before the step goes on.
    std::vector<std::string> painted;
    pump.onPump = [&] { painted.push_back(state.status[1]); };

    const NumberPool pool = build();
    EXPECT_EQ(pool.count(5), 4);  // 38 lies in 35..41: 1 + 3
    EXPECT_EQ(pool.count(6), 3);  // 30 lies in 29..34: 1 + 2
    EXPECT_EQ(pool.count(30), 4); // never drawn
    EXPECT_EQ(pool.count(1), 5);
    EXPECT_EQ(pool.count(54), 1);
    EXPECT_EQ(state.status[1], "Min: 35  Max: 41  128");
    EXPECT_EQ(state.pageInFront, Page::Chart);
    const std::vector<std::string> expected = {state.messages.text(39), "Min: 29 Max: 41  0",
                                               "Min: 35  Max: 41  128"};
    ASSERT_GE(painted.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(painted.begin(), painted.begin() + 3), expected);
}

TEST_F(NumberPoolTest, GroupBandsTakeOnlyPairsDrawnTogether) {
    // Pair 1-2 drawn three times, 10-11 once, none else; pairs run to 68 bars.
    const double first = day("2016-01-01");
    useDraws(first,
             {{1, 2, 20, 40, 60}, {1, 2, 22, 44, 66}, {1, 2, 24, 48, 68}, {10, 11, 30, 50, 64}});
    state.startDate = first - 1;
    state.selectedDate = first + 10;
    plainOptions();
    state.settings.onlyPreferred = true;
    state.settings.preferPairs = true;
    NumberPool pool = build();
    EXPECT_EQ(pool.entries(), (std::vector<std::uint8_t>{1, 2})); // band 2 < v <= 3

    state.settings.preferPairs = false;
    state.settings.preferRarePairs = true; // band 0 < v <= nearest(0.9) = 1
    pool = build();
    EXPECT_EQ(pool.entries(), (std::vector<std::uint8_t>{10, 11}));
    EXPECT_EQ(state.status[1].substr(0, 17), "Min: 0  Max: 1  0");
}

TEST_F(NumberPoolTest, FlatStatisticsOfAnEmptyWindow) {
    useDraws(day("2016-01-01"), {{1, 2, 3, 4, 5}});
    state.startDate = day("2016-02-01");
    state.selectedDate = day("2016-03-01");
    plainOptions();
    state.settings.onlyPreferred = true;
    struct Case {
        const char* name;
        bool CalculationSettings::*option;
        int entriesOf7;
    };
    const Case cases[] = {
        {"frequent numbers: every number in the band, both passes",
         &CalculationSettings::preferFrequent, 3},
        {"rare numbers", &CalculationSettings::preferRare, 3},
        {"frequent pairs: the strict lower bound takes none", &CalculationSettings::preferPairs, 0},
        {"rare pairs: only values above 0", &CalculationSettings::preferRarePairs, 0},
        {"rare quads", &CalculationSettings::preferRareQuads, 0},
    };
    for (const Case& c : cases) {
        state.settings.*c.option = true;
        EXPECT_EQ(build().count(7), c.entriesOf7) << c.name;
        state.settings.*c.option = false;
    }
}

TEST_F(NumberPoolTest, ListDialogKeepsRebuildsOrEndsTheRun) {
    plainOptions();
    state.settings.showNumberList = true;
    const NumberPool built = build();
    ASSERT_TRUE(prompts.shownPool);
    EXPECT_TRUE(prompts.shownPool->isTicked(1));
    EXPECT_EQ(prompts.shownPool->weight(1), "2");
    EXPECT_EQ(built.size(), 70);

    prompts.poolAnswer = PoolListAnswer::Rebuild;
    prompts.changePool = [](NumberListBoxes& boxes) {
        boxes.ticked.fill(false);
        const std::pair<int, const char*> weights[] = {{3, "4"},  {5, ""},     {7, "0"},
                                                       {9, "-2"}, {11, "abc"}, {13, "99999999"}};
        for (auto [n, w] : weights) {
            boxes.setTicked(n, true);
            boxes.setWeight(n, w);
        }
    };
    const NumberPool rebuilt = build();
    EXPECT_EQ(rebuilt.count(3), 4);
    EXPECT_EQ(rebuilt.count(5), 1);
    EXPECT_EQ(rebuilt.count(7), 1);
    EXPECT_EQ(rebuilt.count(9), 0);
    EXPECT_EQ(rebuilt.count(11), 1); // not a number: once
    EXPECT_EQ(rebuilt.count(13), kMaxWeight);
    EXPECT_EQ(rebuilt.count(1), 0);

    prompts.poolAnswer = PoolListAnswer::Abort;
    EXPECT_FALSE(buildNumberPool(state, ports, {}));
}

} // namespace
