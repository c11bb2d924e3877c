#include "app/draws/DrawBrowser.h"

#include "app/evaluation/TipCheck.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

class DrawBrowserTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, powerball::testing::threeOctoberDraws());
        state.programFolder = folder.path();
        state.checkEnabled = true;
        state.startDate = day("2015-10-01");
    }
    std::string shownDate() const {
        return DrawCalendar::isoDate(DrawCalendar::roundToDay(state.currentDraw.date));
    }
    std::string selectedDate() const {
        return DrawCalendar::isoDate(DrawCalendar::roundToDay(state.selectedDate));
    }

    TempFolder folder;
    AppState state;
    Ports ports;
};

TEST_F(DrawBrowserTest, StepsAndStopsAtBothEnds) {
    state.selectedDate = 50000;
    evaluateSelectedDate(state, ports);
    ASSERT_EQ(state.drawIndex, 2);

    DrawBrowser::next(state, ports); // at the newest: stays
    EXPECT_EQ(state.drawIndex, 2);
    EXPECT_EQ(shownDate(), "2015-10-14");

    state.tips.setLine(0, "7,19,33,1,2,12,");
    DrawBrowser::previous(state, ports);
    EXPECT_EQ(state.drawIndex, 1);
    EXPECT_EQ(shownDate(), "2015-10-10");
    EXPECT_EQ(selectedDate(), "2015-10-10");
    EXPECT_EQ(state.databaseDrawText, "Sa 10.10.15    7  19  33  45  60   PB: 12 PP: 3");
    EXPECT_EQ(state.panelDrawText, state.databaseDrawText);
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 164");
    EXPECT_EQ(state.tips.row(0).hitText, "3 + PB");
    EXPECT_EQ(state.scanFromDate, state.startDate);

    DrawBrowser::previous(state, ports);
    DrawBrowser::previous(state, ports); // at the first: stays
    EXPECT_EQ(state.drawIndex, 0);
    EXPECT_EQ(shownDate(), "2015-10-07");
    EXPECT_EQ(state.databaseDrawText, "Mi 07.10.15    1  2  3  4  5   PB: 6 PP: 2");

    DrawBrowser::next(state, ports);
    EXPECT_EQ(state.drawIndex, 1);
    EXPECT_EQ(shownDate(), "2015-10-10");
}

TEST_F(DrawBrowserTest, IndexBeyondAShrunkenFileComesBackStepByStep) {
    state.drawIndex = 5;
    DrawBrowser::previous(state, ports);
    EXPECT_EQ(state.drawIndex, 4);
    EXPECT_EQ(shownDate(), "2015-10-14");
    DrawBrowser::previous(state, ports);
    DrawBrowser::previous(state, ports);
    EXPECT_EQ(state.drawIndex, 2);
    DrawBrowser::previous(state, ports);
    EXPECT_EQ(shownDate(), "2015-10-10");
}

TEST_F(DrawBrowserTest, EmptyFileShowsTheMinimumDateWithZeros) {
    writeDrawFile(folder, {});
    DrawBrowser::next(state, ports);
    EXPECT_EQ(shownDate(), "1997-11-05");
    EXPECT_EQ(state.drawIndex, 0);
    EXPECT_EQ(state.databaseDrawText, "Mi 05.11.97    0  0  0  0  0   PB: 0 PP: 0");
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 0");
    DrawBrowser::previous(state, ports);
    EXPECT_EQ(shownDate(), "1997-11-05");
}

} // namespace

namespace {

// A draw picked in the table of draws shows as the arrows show one, and the arrows go on from
// there; a date no longer stored shows the next later draw.
TEST_F(DrawBrowserTest, ShowsAPickedDrawAndTheArrowsGoOnFromIt) {
    state.tips.setLine(0, "7,19,33,1,2,12,");
    DrawBrowser::showDrawOf(state, ports, day("2015-10-10"));
    EXPECT_EQ(state.drawIndex, 1);
    EXPECT_EQ(shownDate(), "2015-10-10");
    EXPECT_EQ(selectedDate(), "2015-10-10");
    EXPECT_EQ(state.panelDrawDate, state.currentDraw.date);
    EXPECT_EQ(state.panelDrawText, state.databaseDrawText);
    EXPECT_EQ(state.tips.row(0).hitText, "3 + PB");

    DrawBrowser::next(state, ports);
    EXPECT_EQ(shownDate(), "2015-10-14");

    DrawBrowser::showDrawOf(state, ports, day("2015-10-08"));
    EXPECT_EQ(shownDate(), "2015-10-10");
    EXPECT_EQ(state.drawIndex, 1);
}

TEST(DrawBrowserEmptyFile, APickedDateOnAnEmptyFileShowsNothing) {
    TempFolder folder;
    writeDrawFile(folder, {});
    AppState state;
    state.programFolder = folder.path();
    DrawBrowser::showDrawOf(state, Ports{}, day("2015-10-10"));
    EXPECT_EQ(state.currentDraw.date, 0.0);
    EXPECT_EQ(state.drawIndex, 0);
}

} // namespace
