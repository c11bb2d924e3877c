#include "rules/output/TipListing.h"
#include "app/output/TipPrint.h"

#include "RecordingShell.h"
#include "TempFolder.h"
#include "base/FileReading.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::RecordingShell;
using powerball::testing::TempFolder;

namespace {

const std::string kTitle = "Velmars Dediv-Tipp für ";
const std::string kRule(46, '~');

TEST(TipListing, EmptySheetIsTitleRuleAndEmptyLine) {
    EXPECT_EQ(TipListing::text(TipSheet{}, kTitle, day("2015-10-14")),
              "Velmars Dediv-Tipp für  14.10.2015\r\n" + kRule + "\r\n\r\n");
}

TEST(TipListing, RowsKeepTheirNumbersAndColumns) {
    TipSheet sheet;
    sheet.setLine(0, "3,17,22,45,61,9,5");
    sheet.setLine(1, "1,2,3,4,5,6");
    sheet.setLine(2, "10,20,30,40,50,26");
    sheet.setLine(9, "11,12,13,14,15,16");
    const std::string listing = TipListing::text(sheet, kTitle, day("2015-10-14"));
    EXPECT_EQ(listing,
              "Velmars Dediv-Tipp für  14.10.2015\r\n" + kRule + "\r\n\r\n" +
                  " 1. Velmars Dediv-Tipp für :  3   17   22   45   61   PowerBall:  9\r\n"
                  " 2. Velmars Dediv-Tipp für :  1    2    3    4    5   PowerBall:  6\r\n"
                  " 3.Velmars Dediv-Tipp für : 10   20   30   40   50   PowerBall: 26\r\n"
                  "10. Velmars Dediv-Tipp für : 11   12   13   14   15   PowerBall: 16\r\n");
}

TEST(TipListing, RowPrefixes) {
    const std::vector<std::string> expected{" 1. ", " 2. ", " 3.",  " 4. ", " 5. ", " 6. ",
                                            " 7. ", " 8. ", " 9. ", "10. ", "11. ", "12. "};
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        EXPECT_EQ(TipListing::rowPrefix(r), expected[static_cast<std::size_t>(r)]);
}

TEST(TipListing, ARowThatIsNotAllNumbersNamesTheField) {
    TipSheet sheet;
    sheet.setLine(0, "1,2,3,4,5,6");
    sheet.setLine(4, "1,2,3,4,5"); // no Powerball
    try {
        TipListing::text(sheet, kTitle, 0);
        FAIL() << "printed a row without a Powerball";
    } catch (const TipListingError& failure) {
        EXPECT_STREQ(failure.what(), "The tips cannot be printed: the Powerball of row 5 is "
                                     "empty, not a whole number");
    }
}

struct TitleCase {
    const char* name; // what the case shows, as the test listing names it
    const char* currentDraw;
    const char* title;
};

void PrintTo(const TitleCase& c, std::ostream* out) {
    *out << c.name;
}

class TipListingTitle : public ::testing::TestWithParam<TitleCase> {};

// The title names the draw after the shown draw: the next real draw day.
INSTANTIATE_TEST_SUITE_P(
    , TipListingTitle,
    ::testing::Values(TitleCase{"WednesdayToSaturday", "2015-10-14", "17.10.2015"},
                      TitleCase{"SaturdayToWednesday", "2015-10-10", "14.10.2015"},
                      TitleCase{"SaturdayToTheFirstMondayDraw", "2021-08-21", "23.08.2021"},
                      TitleCase{"MondayToWednesday", "2026-12-07", "09.12.2026"}),
    [](const ::testing::TestParamInfo<TitleCase>& info) { return std::string(info.param.name); });

TEST_P(TipListingTitle, IsTheNextDrawDay) {
    EXPECT_EQ(DrawCalendar::shortDate(TipListing::titleDay(day(GetParam().currentDraw))),
              GetParam().title);
}

TEST(TipPrint, WritesTheListingAndShowsItWithTheMessageTableTitle) {
    TempFolder folder;
    AppState state;
    state.programFolder = folder.path();
    state.currentDraw.date = day("2015-10-14");
    state.selectedDate = day("2015-10-10");
    state.tips.setLine(1, "7,8,9,10,11,12");
    std::vector<std::string> messages = MessageTable::builtIn();
    messages[Msg::TipTitle] = "Tip of ";
    state.messages.replaceAll(messages);
    RecordingShell shell;
    Ports ports;
    ports.shell = &shell;

    const std::filesystem::path file = printTips(state, ports);
    EXPECT_EQ(file, folder.file("Tipp.txt"));
    EXPECT_EQ(readFileBytes(file, 4096), "Tip of  17.10.2015\r\n" + kRule +
                                             "\r\n\r\n 2. Tip of :  7    8    9   10   11"
                                             "   PowerBall: 12\r\n");
    EXPECT_EQ(shell.opened, std::vector<std::string>{file.string()});

    state.tips.setLine(3, "1,2,3,4,5");
    std::filesystem::remove(file);
    EXPECT_THROW(printTips(state, ports), TipListingError);
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(shell.opened.size(), 1u);
}

} // namespace
