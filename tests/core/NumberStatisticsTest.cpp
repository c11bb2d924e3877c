#include "app/stats/NumberStatistics.h"

#include "app/stats/StatisticCommands.h"
#include "draws/DrawFileError.h"

#include "StatisticFixture.h"

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::StatisticTest;

namespace {

class NumberStatisticsTest : public StatisticTest {};

TEST_F(NumberStatisticsTest, OverdueCountsOverTwoDraws) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 7), draw("2015-10-10", {5, 6, 7, 8, 9}, 9)});
    setWindow("2015-10-01", "2015-10-10");

    showOverdueNumbers(state);
    ASSERT_EQ(state.chart.barCount(), 69);
    for (int n = 1; n <= 69; ++n)
        EXPECT_EQ(valueAt(n), n <= 4 ? 2 : n <= 9 ? 1 : 3) << n;
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{1, 3}));
    EXPECT_FALSE(state.chart.automaticRange());
    EXPECT_EQ(state.chart.caption(),
              "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?");

    showOverduePowerballs(state);
    ASSERT_EQ(state.chart.barCount(), 26);
    for (int n = 1; n <= 26; ++n)
        EXPECT_EQ(valueAt(n), n == 9 ? 1 : 2) << n;
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{1, 2}));
    EXPECT_EQ(state.chart.caption(), "Welche Powerballzahl wurde am längsten nicht gezogen?");
}

TEST_F(NumberStatisticsTest, FrequencyCountsAndCaption) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 7), draw("2015-10-10", {10, 20, 30, 40, 50}, 7),
              draw("2015-10-14", {1, 20, 53, 59, 67}, 26)});
    setWindow("2015-10-01", "2015-10-10");

    showNumberFrequency(state);
    ASSERT_EQ(state.chart.barCount(), 69);
    EXPECT_EQ(valueAt(1), 1);
    EXPECT_EQ(valueAt(20), 1);
    EXPECT_EQ(valueAt(53), 0);
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 1}));
    // Cross sums 15 and 150: 82.5 rounds to the even 82.
    EXPECT_EQ(state.chart.caption(), "Zahlenverteilung     Ziehungen: 2    Quersumme: 82");

    showPowerballFrequency(state);
    ASSERT_EQ(state.chart.barCount(), 26);
    EXPECT_EQ(valueAt(7), 2);
    EXPECT_EQ(valueAt(26), 0);
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 2}));
    EXPECT_EQ(state.chart.caption(), "Wie oft wurden die einzelnen Sternenzahlen gezogen?");
}

TEST_F(NumberStatisticsTest, WhiteChartsMarkThePrimesUpTo47) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 7)});
    setWindow("2015-10-01", "2015-10-10");
    for (auto* show : {showNumberFrequency, showOverdueNumbers}) {
        show(state);
        for (const ChartBar& bar : state.chart.bars())
            EXPECT_EQ(bar.color, whiteNumberBarColor(bar.x)) << bar.x;
        EXPECT_EQ(state.chart.bars()[46].color, BarColors::Red);   // 47
        EXPECT_EQ(state.chart.bars()[52].color, BarColors::Green); // 53
        EXPECT_EQ(state.chart.bars()[66].color, BarColors::Green); // 67
    }
    for (auto* show : {showPowerballFrequency, showOverduePowerballs}) {
        show(state);
        for (const ChartBar& bar : state.chart.bars())
            EXPECT_EQ(bar.color, BarColors::Green) << bar.x;
    }
}

// A draw on StartDate counts for both frequencies and for neither overdue statistic; a draw
// after SelectedDate counts for none.
TEST_F(NumberStatisticsTest, WindowBounds) {
    useDraws({draw("2015-10-07", {11, 12, 13, 14, 15}, 3), draw("2015-10-10", {1, 2, 3, 4, 5}, 1),
              draw("2015-10-14", {21, 22, 23, 24, 25}, 2),
              draw("2015-10-17", {31, 32, 33, 34, 35}, 4)});
    setWindow("2015-10-10", "2015-10-14");
    struct Case {
        const char* name;
        void (*show)(AppState&);
        int startDayNumber; // a number of the draw on StartDate
        int startDayValue;  // its bar
        int afterEndNumber; // a number of the draw after SelectedDate
        int afterEndValue;  // its bar
    };
    const Case cases[] = {
        {"frequency", showNumberFrequency, 1, 1, 31, 0},
        {"powerball frequency", showPowerballFrequency, 1, 1, 4, 0},
        // one counted draw: not drawn in the window means 1 + 1
        {"overdue", showOverdueNumbers, 1, 2, 31, 2},
        // one counted draw: not drawn in the window means 1
        {"overdue powerballs", showOverduePowerballs, 1, 1, 4, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.show(state);
        EXPECT_EQ(valueAt(c.startDayNumber), c.startDayValue);
        EXPECT_EQ(valueAt(c.afterEndNumber), c.afterEndValue);
    }
    showOverduePowerballs(state);
    EXPECT_EQ(valueAt(2), 1);
    EXPECT_EQ(valueAt(1), 1); // Powerball 1 drew only on StartDate: not counted
    showNumberFrequency(state);
    EXPECT_EQ(state.chart.caption(), "Zahlenverteilung     Ziehungen: 2    Quersumme: 65");
}

TEST_F(NumberStatisticsTest, PowerballsOfTheOlderDrumCountTowardNoBar) {
    // Older records hold Powerballs up to 42.
    useDraws({draw("2015-10-07", {7, 8, 9, 69, 1}, 42), draw("2015-10-10", {2, 3, 4, 5, 6}, 26)});
    setWindow("2015-10-01", "2015-10-10");
    showPowerballFrequency(state);
    int counted = 0;
    for (int value : barValues())
        counted += value;
    EXPECT_EQ(counted, 1);
    EXPECT_EQ(valueAt(26), 1);
}

TEST_F(NumberStatisticsTest, ADamagedRecordIsReportedInsteadOfCounted) {
    useDraws({draw("2015-10-07", {0, 70, 255, 69, 1}, 42), draw("2015-10-10", {2, 3, 4, 5, 6}, 0)});
    setWindow("2015-10-01", "2015-10-10");
    EXPECT_THROW(showNumberFrequency(state), DrawFileError);
    EXPECT_THROW(showPowerballFrequency(state), DrawFileError);
    EXPECT_THROW(showOverdueNumbers(state), DrawFileError);
    EXPECT_THROW(showOverduePowerballs(state), DrawFileError);
}

TEST_F(NumberStatisticsTest, EmptyWindowKeepsTheFrequencyCaption) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 7)});
    setWindow("2015-10-08", "2015-10-20");
    state.chart.setCaption("before");

    showNumberFrequency(state);
    EXPECT_EQ(barValues(), std::vector<int>(69, 0));
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{0, 0}));
    EXPECT_EQ(state.chart.caption(), "before");

    showOverdueNumbers(state);
    EXPECT_EQ(barValues(), std::vector<int>(69, 1));
    EXPECT_EQ(state.chart.valueRange(), (AxisRange{1, 1}));

    showOverduePowerballs(state);
    EXPECT_EQ(barValues(), std::vector<int>(26, 0));
}

TEST_F(NumberStatisticsTest, CaptionsComeFromTheMessageTableOfTheMoment) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 7)});
    setWindow("2015-10-01", "2015-10-20");
    std::vector<std::string> english = MessageTable::builtIn();
    english[32] = "Draws";
    english[43] = "Cross sum";
    english[46] = "Number distribution";
    state.messages.replaceAll(english);
    showNumberFrequency(state);
    EXPECT_EQ(state.chart.caption(), "Number distribution     Draws: 1    Cross sum: 15");
}

TEST_F(NumberStatisticsTest, EachScanCopiesStartDateAndAMissingFileTouchesNothing) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 7)});
    setWindow("2015-10-01", "2015-10-20");
    state.scanFromDate = 0;
    showPowerballFrequency(state);
    EXPECT_EQ(state.scanFromDate, state.startDate);

    std::filesystem::remove(folder.file("Powerball.dat"));
    const StatisticChart before = state.chart;
    state.startDate = day("2015-10-05");
    state.pageInFront = Page::Database;
    for (auto* show :
         {showNumberFrequency, showOverdueNumbers, showPowerballFrequency, showOverduePowerballs}) {
        EXPECT_THROW(show(state), DrawFileError);
        EXPECT_EQ(state.chart.bars(), before.bars());
        EXPECT_EQ(state.chart.caption(), before.caption());
        EXPECT_EQ(state.scanFromDate, day("2015-10-01"));
        EXPECT_EQ(state.pageInFront, Page::Database);
    }
}

} // namespace
