#include "rules/generator/FilterCost.h"
#include "app/generator/AcceptanceFilters.h"
#include "rules/generator/FilterCostText.h"

#include "TempFolder.h"
#include "base/GameRules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::TempFolder;

namespace {

using White = std::array<int, 5>;

// Every filter off, the cross sum over the whole range a row can have.
CalculationSettings noFilter() {
    CalculationSettings o;
    o.limitMaxOverlap = o.limitMinOverlap = o.overlapEachTip = false;
    o.limitLastDraw = o.limitSecondLastDraw = o.limitThirdLastDraw = false;
    o.noEarlierWin = o.noRecentWin = o.noGroups = o.forcePair = false;
    o.crossSumMin.setMinimum(15);
    o.crossSumMin.setValue(15);
    o.crossSumMax.setMaximum(335);
    o.crossSumMax.setValue(335);
    return o;
}

// The rows a test counts itself, one white set at a time: how many Powerballs pass with it.
std::uint64_t countRows(const std::function<int(const White&)>& powerballsPassing) {
    std::uint64_t rows = 0;
    for (int a = 1; a <= 69; ++a)
        for (int b = a + 1; b <= 69; ++b)
            for (int c = b + 1; c <= 69; ++c)
                for (int d = c + 1; d <= 69; ++d)
                    for (int e = d + 1; e <= 69; ++e)
                        rows += static_cast<std::uint64_t>(powerballsPassing({a, b, c, d, e}));
    return rows;
}

int sum(const White& w) {
    return w[0] + w[1] + w[2] + w[3] + w[4];
}

struct ExactCase {
    std::string name;
    std::function<void(CalculationSettings&)> options;
    std::vector<DrawRecord> draws;
    std::function<int(const White&)> powerballsPassing;
};

TEST(FilterCost, ExactSharesCountedWithoutHistory) {
    const std::vector<DrawRecord> lastDraw{draw("2020-01-04", {5, 17, 30, 44, 60}, 7)};
    const std::vector<ExactCase> cases{
        {"no filter", [](CalculationSettings&) {}, {}, [](const White&) { return 26; }},
        {"cross sum 100..150",
         [](CalculationSettings& o) {
             o.crossSumMin.setValue(100);
             o.crossSumMax.setValue(150);
         },
         {},
         [](const White& w) { return sum(w) >= 100 && sum(w) <= 150 ? 26 : 0; }},
        {"no groups",
         [](CalculationSettings& o) { o.noGroups = true; },
         {},
         [](const White& w) {
             const bool run = (w[1] == w[0] + 1 && w[2] == w[1] + 1) ||
                              (w[2] == w[1] + 1 && w[3] == w[2] + 1) || w[4] == w[3] + 1;
             return run ? 0 : 26;
         }},
        {"two primes, the Powerball counting",
         [](CalculationSettings& o) {
             o.minPrimesOn = true;
             o.minPrimes.setValue(2);
         },
         {},
         [](const White& w) {
             int primes = 0;
             for (int n : w)
                 primes += isListedPrime(n) ? 1 : 0;
             int passing = 0;
             for (int pb = 1; pb <= 26; ++pb)
                 passing += primes + (isListedPrime(pb) ? 1 : 0) >= 2 ? 1 : 0;
             return passing;
         }},
        {"one shared with the last draw, its Powerball counting",
         [](CalculationSettings& o) {
             o.limitLastDraw = true;
             o.maxLastDraw.setValue(1);
         },
         lastDraw,
         [](const White& w) {
             int shared = 0;
             for (int n : w)
                 for (int m : {5, 17, 30, 44, 60})
                     shared += n == m ? 1 : 0;
             int passing = 0;
             for (int pb = 1; pb <= 26; ++pb)
                 passing += shared + (pb == 7 ? 1 : 0) <= 1 ? 1 : 0;
             return passing;
         }},
        {"three even and three odd",
         [](CalculationSettings& o) {
             o.minEvenOn = o.minOddOn = true;
             o.minEven.setValue(3);
             o.minOdd.setValue(3);
         },
         {},
         [](const White&) { return 0; }},
    };
    for (const ExactCase& c : cases) {
        SCOPED_TRACE(c.name);
        FilterCostInput input;
        input.settings = noFilter();
        c.options(input.settings);
        input.startDate = day("2015-10-10");
        input.selectedDate = day("2026-01-01");
        input.draws = c.draws;
        const FilterCost cost = measureFilterCost(input);
        const std::uint64_t expected = countRows(c.powerballsPassing);
        EXPECT_TRUE(cost.exact);
        EXPECT_EQ(cost.rowsKept, expected);
        EXPECT_DOUBLE_EQ(cost.share, static_cast<double>(expected) / 292'201'338.0);
        EXPECT_EQ(cost.low, cost.share);
        EXPECT_EQ(cost.high, cost.share);
    }
}

// One draw in the history window: the rows it rejects are counted by hand, and the
// sample's interval must hold that share.
TEST(FilterCost, SampledShareHoldsTheTrueShare) {
    struct Case {
        std::string name;
        int winClass;
        bool countPowerball;
        std::uint64_t rejected; // of all 292,201,338 rows
    };
    // Three or more of the draw's five: C(5,3)C(64,2) + C(5,4)C(64,1) + 1 white sets.
    const std::uint64_t threeOrMore = 20160 + 320 + 1;
    const std::vector<Case> cases{
        {"three whites", 3, false, threeOrMore * 26},
        // Four whites with any Powerball, or three with the draw's own.
        {"four with the Powerball counting", 4, true, 321 * 26 + 20160},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FilterCostInput input;
        input.settings = noFilter();
        input.settings.noEarlierWin = true;
        input.settings.earlierWinClass.setValue(c.winClass);
        input.settings.countPowerball = c.countPowerball;
        input.startDate = day("2020-01-01");
        input.selectedDate = day("2020-01-04");
        input.draws = {draw("2020-01-04", {5, 17, 30, 44, 60}, 7)};
        const FilterCost cost = measureFilterCost(input);
        const double truth = 1.0 - static_cast<double>(c.rejected) / 292'201'338.0;
        EXPECT_FALSE(cost.exact);
        EXPECT_EQ(cost.sampleRows, 200'000);
        EXPECT_LE(cost.low, truth);
        EXPECT_GE(cost.high, truth);
        EXPECT_LE(cost.low, cost.share);
        EXPECT_GE(cost.high, cost.share);
        EXPECT_LT(cost.high - cost.low, 0.001);
    }
}

// Each draw since the start date is judged as a first row made the day before it: its last
// draws and history are the draws before it, never itself.
TEST(FilterCost, DrawsJudgedAsOfTheDayBefore) {
    FilterCostInput input; // the default options, and the last draw at most 1 shared
    input.settings.maxLastDraw.setValue(1);
    input.startDate = day("2016-01-02");
    input.selectedDate = day("2016-01-16");
    input.draws = {
        draw("2015-12-30", {11, 21, 31, 44, 55}, 9), // before the start: history only
        draw("2016-01-02", {1, 2, 3, 4, 5}, 6),      // a group and a small cross sum
        draw("2016-01-06", {10, 20, 30, 40, 50}, 7), // passes; would fail against itself
        draw("2016-01-09", {10, 20, 51, 41, 30}, 7), // 3 + Powerball of the draw before
        draw("2016-01-13", {12, 22, 33, 44, 55}, 9), // 3 with the one before the start
        draw("2016-01-16", {12, 22, 33, 45, 60}, 1), // 3 with the last draw
    };
    const FilterCost cost = measureFilterCost(input);
    EXPECT_EQ(cost.drawsJudged, 5);
    EXPECT_EQ(cost.drawsKept, 1);
    std::map<std::string, int> rejected;
    for (const FilterRejections& filter : cost.perFilter)
        rejected[std::string(filter.name)] = filter.drawsRejected;
    const std::map<std::string, int> expected{
        {"no_groups", 1}, {"cross_sum", 1}, {"last_draw", 2}, {"earlier_win", 1}, {"recent_win", 3},
    };
    EXPECT_EQ(rejected, expected);
}

// The draws kept must be the ones the generator's own filter chain accepts as a first row
// on the day before each draw, over the real history and several sets of options.
TEST(FilterCost, DrawsKeptAgreeWithTheGeneratorsFilters) {
    const std::vector<DrawRecord> records = powerball::testing::realHistory();
    TempFolder folder;
    powerball::testing::writeDrawFile(folder, records);
    const std::vector<std::pair<std::string, std::function<void(CalculationSettings&)>>> cases{
        {"defaults", [](CalculationSettings&) {}},
        {"last draws with their Powerballs",
         [](CalculationSettings& o) {
             o.maxLastDraw.setValue(1);
             o.maxSecondLastDraw.setValue(1);
             o.maxThirdLastDraw.setValue(2);
         }},
        {"numbers' properties, three of the whole history",
         [](CalculationSettings& o) {
             o.minPrimesOn = o.minEvenOn = o.minOddOn = o.forcePair = true;
             o.noGroups = o.countPowerball = false;
             o.earlierWinClass.setValue(3);
         }},
        {"two of the last eight weeks",
         [](CalculationSettings& o) {
             o.noEarlierWin = false;
             o.recentWinClass.setValue(2);
             o.recentWeeks.setValue(8);
         }},
    };
    for (const auto& [name, options] : cases) {
        SCOPED_TRACE(name);
        FilterCostInput input;
        options(input.settings);
        input.startDate = day("2019-01-01");
        input.selectedDate = day("2026-01-01");
        input.draws = records;
        const FilterCost cost = measureFilterCost(input);

        int accepted = 0;
        int judged = 0;
        HistorySnapshot history(folder.file("Powerball.dat"));
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (records[i].date < input.startDate)
                continue;
            DrawView view;
            view.startDate = input.startDate;
            view.selectedDate = std::floor(records[i].date) - 1;
            std::size_t before = i;
            while (before > 0 && records[before - 1].date > view.selectedDate)
                --before;
            ASSERT_GE(before, 3u);
            const std::array<DrawNumbers, 3> last{records[before - 1].drawNumbers(),
                                                  records[before - 2].drawNumbers(),
                                                  records[before - 3].drawNumbers()};
            StatisticChart chart;
            AcceptanceFilters filters(input.settings, view, chart, history, last);
            const DrawNumbers drawn = records[i].drawNumbers();
            TipCandidate row{{drawn.white(1), drawn.white(2), drawn.white(3), drawn.white(4),
                              drawn.white(5), drawn.powerball(), 0}};
            row.sortWhite();
            ++judged;
            accepted += filters.firstFailing(row) == AcceptanceFilters::Accepted ? 1 : 0;
        }
        EXPECT_EQ(cost.drawsJudged, judged);
        EXPECT_EQ(cost.drawsKept, accepted);
        EXPECT_GT(accepted, 0);
        EXPECT_LT(accepted, judged);
    }
}

TEST(FilterCost, LineInGermanNumbersAndDates) {
    const MessageTable messages;
    FilterCost exact;
    exact.share = 0.1243;
    exact.low = exact.high = exact.share;
    exact.drawsJudged = 1389;
    exact.drawsKept = 1205;
    EXPECT_EQ(filterCostLine(messages, TextFormat(), exact, day("2015-10-10")),
              "Diese Filter lassen 12,4 % aller Reihen zu und hätten 1.205 der 1.389 Ziehungen "
              "seit 10.10.2015 zugelassen (86,8 %)");

    FilterCost sampled = exact;
    sampled.exact = false;
    sampled.low = 0.1231;
    sampled.high = 0.1258;
    sampled.drawsJudged = 0;
    EXPECT_EQ(filterCostLine(messages, TextFormat(), sampled, day("2015-10-10")),
              "Diese Filter lassen etwa 12,4 % (12,3 % bis 12,6 %) aller Reihen zu; seit "
              "10.10.2015 gibt es keine Ziehung, an der sie sich messen lassen");

    const std::vector<std::pair<double, std::string>> percents{
        {0.0, "0 %"}, {1.0, "100,0 %"}, {0.000512, "0,051 %"}, {0.0042, "0,42 %"}, {0.5, "50,0 %"},
    };
    for (const auto& [share, text] : percents)
        EXPECT_EQ(percentText(share), text) << share;
    EXPECT_EQ(groupedNumber(292'201'338), "292.201.338");
    EXPECT_EQ(groupedNumber(999), "999");
    EXPECT_EQ(fillPlaceholders("%2 von %1, 95 %", {"a", "b"}), "b von a, 95 %");
}

// The shares and counts are the program's own: they follow the language. The date keeps its
// fixed form until the language's formats are chosen.
TEST(FilterCost, LineInTheLanguagesConventions) {
    MessageTable messages;
    messages.replaceAll({});
    FilterCost exact;
    exact.share = 0.1243;
    exact.low = exact.high = exact.share;
    exact.drawsJudged = 1389;
    exact.drawsKept = 1205;
    std::vector<std::string> lines(MessageTable::builtIn().size());
    lines[Msg::FilterCostLine] = "%1 | %2 of %3 | %4 | %5";
    messages.replaceAll(lines);
    EXPECT_EQ(filterCostLine(messages, TextFormat(2), exact, day("2015-10-10")),
              "12.4 % | 1,205 of 1,389 | 10.10.2015 | 86.8 %");
    EXPECT_EQ(filterCostLine(messages, TextFormat(2, true), exact, day("2015-10-12")),
              "12.4 % | 1,205 of 1,389 | 10/12/2015 | 86.8 %");
    EXPECT_EQ(filterCostLine(messages, TextFormat(5), exact, day("2015-10-10")),
              "12,4% | 1.205 of 1.389 | 10.10.2015 | 86,8%");
}

} // namespace
