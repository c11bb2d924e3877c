#include "app/generator/PowerballStatistics.h"

#include "GeneratorFixture.h"

#include <set>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::GeneratorTest;

namespace {

using Table = PowerballChoice::Table;

Table filled(int value) {
    Table table;
    table.fill(value);
    return table;
}

CalculationSettings mode(PowerballMode m, bool exclude, int recent = 15) {
    CalculationSettings options;
    options.powerballMode = m;
    options.excludeRecentPowerball = exclude;
    options.recentPowerballDraws.setValue(recent);
    return options;
}

TEST(PowerballChoiceTest, RarestAndLongestOutstandingTakeTheHighestOfATie) {
    Table frequency = filled(9);
    frequency[3 - 1] = frequency[17 - 1] = 2;
    Table outstanding = filled(20);
    RandomSource random;
    EXPECT_EQ(
        PowerballChoice(outstanding, frequency).choose(mode(PowerballMode::Rarest, true), random),
        17);
    outstanding[17 - 1] = 3; // drawn recently: the next rarest
    EXPECT_EQ(
        PowerballChoice(outstanding, frequency).choose(mode(PowerballMode::Rarest, true), random),
        3);

    Table longest = filled(4);
    longest[5 - 1] = longest[22 - 1] = 40;
    EXPECT_EQ(PowerballChoice(longest, frequency)
                  .choose(mode(PowerballMode::LongestOutstanding, true), random),
              22);
    EXPECT_EQ(random.seed(), 0u); // neither mode draws from the random source
}

TEST(PowerballChoiceTest, RandomModeSkipsTheRecentPowerballs) {
    Table outstanding = filled(30);
    for (int n = 1; n <= 14; ++n)
        outstanding[static_cast<std::size_t>(n - 1)] = n; // the newest 14 draws
    const PowerballChoice choice(outstanding, filled(5));
    RandomSource random;
    random.setSeed(12345);
    std::set<int> chosen;
    for (int i = 0; i < 500; ++i)
        chosen.insert(choice.choose(mode(PowerballMode::Random, true), random));
    EXPECT_EQ(*chosen.begin(), 15);
    EXPECT_EQ(chosen.size(), 12u);
    // N = 1 excludes nothing.
    chosen.clear();
    for (int i = 0; i < 500; ++i)
        chosen.insert(choice.choose(mode(PowerballMode::Random, true, 1), random));
    EXPECT_EQ(chosen.size(), 26u);
}

TEST(PowerballChoiceTest, EveryPowerballExcludedChoosesWithoutTheExclusion) {
    // A window of three draws: every outstanding value is at most 3.
    Table outstanding = filled(3);
    outstanding[7 - 1] = 1;
    const PowerballChoice choice(outstanding, filled(0));
    RandomSource random;
    for (PowerballMode m :
         {PowerballMode::Random, PowerballMode::Rarest, PowerballMode::LongestOutstanding}) {
        const int chosen = choice.choose(mode(m, true), random);
        EXPECT_GE(chosen, 1);
        EXPECT_LE(chosen, 26);
    }
    EXPECT_EQ(choice.choose(mode(PowerballMode::Rarest, true), random), 26);
    // An empty window: every value 0.
    EXPECT_EQ(PowerballChoice(filled(0), filled(0))
                  .choose(mode(PowerballMode::LongestOutstanding, true), random),
              26);
}

class PowerballStatisticsTest : public GeneratorTest {};

TEST_F(PowerballStatisticsTest, ReadsBothStatisticsOfTheWindow) {
    useDraws(day("2016-01-01"), {{1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}, {1, 2, 3, 4, 5}}, {8, 8, 4});
    state.startDate = day("2015-12-31");
    state.selectedDate = day("2016-01-03");
    state.generatorRunning = true;
    const PowerballChoice choice = powerballChoiceFromStatistics(state);
    RandomSource random;
    // Outstanding: 4 is 1, 8 is 2, every other 3; the longest is 26 (the highest of 3).
    EXPECT_EQ(choice.choose(mode(PowerballMode::LongestOutstanding, false), random), 26);
    // Frequency: 8 twice, 4 once, every other 0: the rarest is 26.
    EXPECT_EQ(choice.choose(mode(PowerballMode::Rarest, false), random), 26);
    EXPECT_EQ(state.pageInFront, Page::TipOverview); // left alone while the generator runs
}

} // namespace
