#include "app/generator/AcceptanceFilters.h"

#include "GeneratorFixture.h"

#include <functional>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::GeneratorTest;

namespace {

using Filter = AcceptanceFilters::Test;
using Row = std::array<int, 5>;

TipCandidate tip(Row white, int powerball) {
    return TipCandidate{{white[0], white[1], white[2], white[3], white[4], powerball, 0}};
}

// Only the tests a case names are on; the others let everything pass.
void allOff(CalculationSettings& o) {
    o = CalculationSettings{};
    o.limitMaxOverlap = o.limitMinOverlap = o.overlapEachTip = false;
    o.limitLastDraw = o.limitSecondLastDraw = o.limitThirdLastDraw = false;
    o.noEarlierWin = o.noRecentWin = o.noGroups = o.forcePair = false;
    o.countPowerball = false;
    o.crossSumMin.setValue(21);
    o.crossSumMax.setValue(239);
}

struct Case {
    const char* name;
    std::function<void(CalculationSettings&)> options;
    std::vector<Row> earlier;
    TipCandidate candidate;
    Filter expected;
};

class AcceptanceFiltersTest : public GeneratorTest {
protected:
    void SetUp() override {
        // The history: the newest draw 14 20 59 60 61 PB 25 on 1 March 2016.
        useDraws(day("2016-02-27"),
                 {{3, 8, 30, 41, 54}, {1, 2, 3, 4, 5}, {6, 12, 22, 48, 66}, {14, 20, 59, 60, 61}},
                 {4, 9, 12, 25});
        state.startDate = day("2016-02-27"); // the first draw lies on the start day: not counted
        state.selectedDate = day("2016-03-01");
    }

    Filter run(const Case& c) {
        allOff(state.settings);
        c.options(state.settings);
        const std::array<DrawNumbers, 3> last{DrawNumbers{{14, 20, 59, 60, 61, 0, 25, 2}},
                                              DrawNumbers{{6, 12, 22, 48, 66, 0, 12, 2}},
                                              DrawNumbers{{1, 2, 3, 4, 5, 0, 9, 2}}};
        AcceptanceFilters filters(state.settings, state, state.chart, history, last);
        for (const Row& row : c.earlier)
            filters.addEarlierRow(row);
        return filters.firstFailing(c.candidate);
    }

    HistorySnapshot history{folder.file("Powerball.dat")};
};

TEST_F(AcceptanceFiltersTest, EachTestWithItsEdges) {
    auto on = [](auto set) { return std::function<void(CalculationSettings&)>(set); };
    const Case cases[] = {
        {"row 1 has no earlier row",
         on([](auto& o) { o.limitMinOverlap = true; }),
         {},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Accepted},
        {"each tip: 0 shared with row 1 rejects although row 2 shares 2",
         on([](auto& o) { o.overlapEachTip = true; }),
         {{1, 2, 3, 4, 5}, {10, 20, 6, 7, 8}},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Overlap},
        {"each tip: 1 and 2 shared pass",
         on([](auto& o) { o.overlapEachTip = true; }),
         {{10, 2, 3, 4, 5}, {10, 20, 6, 7, 8}},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Accepted},
        {"max overlap: 3 with row 1 and 1 with row 2 passes",
         on([](auto& o) { o.limitMaxOverlap = true; }),
         {{10, 20, 30, 4, 5}, {10, 2, 3, 6, 7}},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Accepted},
        {"max overlap: the row sharing least shares exactly the maximum of 2, which passes",
         on([](auto& o) {
             o.limitMaxOverlap = true;
             o.maxOverlap.setValue(2);
         }),
         {{10, 20, 3, 4, 5}, {10, 20, 30, 6, 7}},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Accepted},
        {"max overlap: every row shares 3",
         on([](auto& o) { o.limitMaxOverlap = true; }),
         {{10, 20, 30, 4, 5}, {10, 20, 30, 6, 7}},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Overlap},
        {"min overlap: no row shares one",
         on([](auto& o) { o.limitMinOverlap = true; }),
         {{1, 2, 3, 4, 5}},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Overlap},
        {"min overlap: an empty earlier row shares none",
         on([](auto& o) { o.limitMinOverlap = true; }),
         {{0, 0, 0, 0, 0}},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Overlap},
        {"forced pair present",
         on([](auto& o) { o.forcePair = true; }),
         {},
         tip({4, 11, 12, 30, 55}, 1),
         Filter::Accepted},
        {"forced pair missing",
         on([](auto& o) { o.forcePair = true; }),
         {},
         tip({4, 11, 13, 30, 55}, 1),
         Filter::ForcedPair},
        {"group of three at the start",
         on([](auto& o) { o.noGroups = true; }),
         {},
         tip({7, 8, 9, 20, 40}, 1),
         Filter::NoGroups},
        {"pair at the end",
         on([](auto& o) { o.noGroups = true; }),
         {},
         tip({3, 20, 33, 40, 41}, 1),
         Filter::NoGroups},
        {"two pairs before the end",
         on([](auto& o) { o.noGroups = true; }),
         {},
         tip({3, 4, 20, 21, 40}, 1),
         Filter::Accepted},
        {"cross sum below",
         on([](auto& o) { o.crossSumMin.setValue(151); }),
         {},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::CrossSum},
        {"cross sum at both bounds",
         on([](auto& o) {
             o.crossSumMin.setValue(150);
             o.crossSumMax.setValue(150);
         }),
         {},
         tip({10, 20, 30, 40, 50}, 1),
         Filter::Accepted},
        {"last draw: one white and its Powerball count 2",
         on([](auto& o) {
             o.limitLastDraw = o.countPowerball = true;
             o.maxLastDraw.setValue(1);
         }),
         {},
         tip({14, 21, 30, 40, 50}, 25),
         Filter::LastDraw},
        {"last draw: without the Powerball count 1 passes",
         on([](auto& o) {
             o.limitLastDraw = true;
             o.maxLastDraw.setValue(1);
         }),
         {},
         tip({14, 21, 30, 40, 50}, 25),
         Filter::Accepted},
        {"last draw: a maximum of 0 skips the test",
         on([](auto& o) { o.limitLastDraw = true; }),
         {},
         tip({14, 20, 59, 60, 61}, 25),
         Filter::Accepted},
        {"second-to-last draw",
         on([](auto& o) {
             o.limitSecondLastDraw = true;
             o.maxSecondLastDraw.setValue(1);
         }),
         {},
         tip({6, 12, 30, 40, 50}, 1),
         Filter::SecondLastDraw},
        {"third-to-last draw",
         on([](auto& o) {
             o.limitThirdLastDraw = true;
             o.maxThirdLastDraw.setValue(2);
         }),
         {},
         tip({1, 2, 3, 40, 50}, 1),
         Filter::ThirdLastDraw},
        {"too few even",
         on([](auto& o) {
             o.minEvenOn = true;
             o.minEven.setValue(3);
         }),
         {},
         tip({1, 3, 10, 20, 41}, 1),
         Filter::EvenNumbers},
        {"too few odd",
         on([](auto& o) {
             o.minOddOn = true;
             o.minOdd.setValue(3);
         }),
         {},
         tip({1, 3, 10, 20, 40}, 1),
         Filter::OddNumbers},
        {"three even and three odd reject everything",
         on([](auto& o) {
             o.minEvenOn = o.minOddOn = true;
             o.minEven.setValue(3);
             o.minOdd.setValue(3);
         }),
         {},
         tip({1, 3, 10, 20, 40}, 1),
         Filter::OddNumbers},
        {"earlier win of class 3",
         on([](auto& o) {
             o.noEarlierWin = true;
             o.earlierWinClass.setValue(3);
         }),
         {},
         tip({6, 12, 22, 40, 50}, 1),
         Filter::EarlierWin},
        {"earlier win: the start day does not count",
         on([](auto& o) {
             o.noEarlierWin = true;
             o.earlierWinClass.setValue(3);
         }),
         {},
         tip({3, 8, 30, 40, 50}, 1),
         Filter::Accepted},
        {"earlier win: the Powerball counts when asked",
         on([](auto& o) {
             o.noEarlierWin = o.countPowerball = true;
             o.earlierWinClass.setValue(3);
         }),
         {},
         tip({6, 12, 30, 40, 50}, 12),
         Filter::EarlierWin},
        {"earlier win of class 7 never rejects",
         on([](auto& o) {
             o.noEarlierWin = o.countPowerball = true;
             o.earlierWinClass.setValue(7);
         }),
         {},
         tip({6, 12, 22, 48, 66}, 12),
         Filter::Accepted},
        {"recent win within the weeks",
         on(
             [](auto& o) {
                 o.noRecentWin = true;
                 o.recentWinClass.setValue(2);
             }),
         {},
         tip({14, 20, 30, 40, 50}, 1),
         Filter::RecentWin},
        {"primes above 47 do not count",
         on([](auto& o) { o.minPrimesOn = true; }),
         {},
         tip({1, 9, 53, 59, 61}, 1),
         Filter::Primes},
        {"a prime Powerball counts",
         on([](auto& o) { o.minPrimesOn = true; }),
         {},
         tip({5, 20, 30, 40, 60}, 7),
         Filter::Accepted},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c), c.expected) << c.name;
    EXPECT_EQ(AcceptanceFilters::primeCount(tip({53, 59, 61, 67, 69}, 1)), 0);
    EXPECT_EQ(AcceptanceFilters::primeCount(tip({2, 3, 5, 7, 47}, 11)), 6);
}

TEST_F(AcceptanceFiltersTest, HistoryTestsLeaveTheirLastDrawAndScanDates) {
    const Case reading{"reads to the end",
                       [](auto& o) { o.noEarlierWin = true; },
                       {},
                       tip({10, 20, 30, 40, 50}, 1),
                       Filter::Accepted};
    state.scanFromDate = state.scanToDate = 0;
    state.chart.addBar(1, 5);
    EXPECT_EQ(run(reading), Filter::Accepted);
    EXPECT_EQ(state.currentDraw.date, day("2016-03-01"));
    EXPECT_EQ(state.currentDraw.numbers.white(1), 14);
    EXPECT_EQ(state.scanFromDate, state.startDate);
    EXPECT_EQ(state.scanToDate, state.selectedDate);
    EXPECT_EQ(state.chart.barCount(), 0);

    const Case rejected{"stops at the second draw",
                        [](auto& o) {
                            o.noEarlierWin = true;
                            o.earlierWinClass.setValue(3);
                        },
                        {},
                        tip({1, 2, 3, 40, 50}, 1),
                        Filter::EarlierWin};
    EXPECT_EQ(run(rejected), Filter::EarlierWin);
    EXPECT_EQ(state.currentDraw.date, day("2016-02-28"));
}

TEST_F(AcceptanceFiltersTest, SnapshotFollowsTheFile) {
    const Case c{"the newest draw",
                 [](auto& o) {
                     o.noEarlierWin = true;
                     o.earlierWinClass.setValue(5);
                 },
                 {},
                 tip({7, 17, 27, 37, 47}, 1),
                 Filter::Accepted};
    EXPECT_EQ(run(c), Filter::Accepted);
    useDraws(day("2016-02-28"), {{1, 2, 3, 4, 5}, {7, 17, 27, 37, 47}, {1, 2, 3, 4, 6}});
    EXPECT_EQ(run(c), Filter::EarlierWin);
}

} // namespace
