// The wheel's commands: the numbers typed or ticked, its rows on the sheet page by page, its
// tip files, its check against a draw and its listing.
#include "app/wheel/WheelCommands.h"

#include "TempFolder.h"
#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "rules/output/TipFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

// A wheel made by hand: placing, saving and checking do not care whether it keeps a
// guarantee, and a hand-made one keeps each case's rows in view.
WheelPlay handMadePlay(const std::vector<std::array<int, 5>>& rows,
                       const std::vector<int>& powerballs) {
    WheelPlay play;
    play.result.wheel.numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    play.result.wheel.guarantee = {3, 3};
    play.result.wheel.rows = rows;
    // One Powerball per row as given, else the given ones in turn.
    play.powerballs =
        powerballs.size() == rows.size() ? powerballs : wheelPowerballs(rows.size(), powerballs);
    return play;
}

// n rows whose first number is the row's own number, so that a row is known by it.
std::vector<std::array<int, 5>> numberedRows(int n) {
    std::vector<std::array<int, 5>> rows;
    for (int r = 1; r <= n; ++r)
        rows.push_back({r, 60, 61, 62, 63});
    return rows;
}

std::size_t filesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator{}));
}

struct InputCase {
    const char* name;
    const char* text;
    bool powerballs;
    std::vector<int> numbers;
    const char* problem;
};

void PrintTo(const InputCase& c, std::ostream* out) {
    *out << c.name;
}

class WheelInputTest : public ::testing::TestWithParam<InputCase> {};

INSTANTIATE_TEST_SUITE_P(
    , WheelInputTest,
    ::testing::Values(
        InputCase{"AnySeparatorAndAscending", "12; 3,7 1\t2  4", false, {1, 2, 3, 4, 7, 12}, ""},
        InputCase{"TooFewNumbers", "1 2 3 4 5", false, {}, "gewählt sind 5"},
        InputCase{"TooManyNumbers",
                  "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27 28 29 "
                  "30 31 32 33 34 35 36 37 38 39 40 41",
                  false,
                  {},
                  "gewählt sind 41"},
        InputCase{
            "AWhiteNumberOutOfRange", "1 2 3 4 5 70", false, {}, "70 ist keine Zahl von 1 bis 69"},
        InputCase{"ZeroIsNoNumber", "0 1 2 3 4 5", false, {}, "0 ist keine Zahl von 1 bis 69"},
        InputCase{"AnOverlongNumberIsNamedAsTyped",
                  "1 2 3 4 5 00000000007",
                  false,
                  {},
                  "00000000007 ist keine Zahl"},
        InputCase{"ANumberTwice", "1 2 3 4 5 3", false, {}, "Die Zahl 3 ist doppelt"},
        InputCase{"NoPowerballIsFine", "", true, {}, ""},
        InputCase{"PowerballsInTheirOrderOfSize", "14, 9", true, {9, 14}, ""},
        InputCase{"APowerballOutOfRange", "9 27", true, {}, "27 ist keine Zahl von 1 bis 26"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(WheelInputTest, ReadsTheNumbersOrSaysWhyNot) {
    const InputCase& c = GetParam();
    const MessageTable messages;
    const WheelInput input =
        c.powerballs ? readWheelPowerballs(messages, c.text) : readWheelNumbers(messages, c.text);
    if (std::string(c.problem).empty()) {
        EXPECT_EQ(input.problem, "");
        EXPECT_EQ(input.numbers, c.numbers);
    } else {
        EXPECT_NE(input.problem.find(c.problem), std::string::npos) << input.problem;
    }
}

TEST(WheelCommandsTest, TheTickedNumbersAreTheWheelsNumbers) {
    NumberListBoxes boxes;
    for (int n : {69, 1, 33})
        boxes.setTicked(n, true);
    EXPECT_EQ(tickedNumbers(boxes), (std::vector<int>{1, 33, 69}));
    EXPECT_EQ(numbersText(tickedNumbers(boxes)), "1, 33, 69");
    const MessageTable messages;
    EXPECT_EQ(readWheelNumbers(messages, "1, 33, 69, 2, 3, 4").numbers,
              (std::vector<int>{1, 2, 3, 4, 33, 69}));
}

class WheelSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, powerball::testing::threeOctoberDraws());
        state.programFolder = folder.path();
        state.selectedDate = day("2015-10-14");
    }
    // The first number of each sheet row, 0 for an empty one.
    std::vector<int> firstNumbers() const {
        std::vector<int> firsts;
        for (int r = 0; r < TipSheet::kRowCount; ++r) {
            const std::string& text = state.tips.field(r, 0);
            firsts.push_back(text.empty() ? 0 : std::stoi(text));
        }
        return firsts;
    }

    TempFolder folder;
    AppState state;
    Ports ports;
};

TEST_F(WheelSheetTest, PagesFillTheUnlockedRowsAndTheLockedOnesStay) {
    const WheelPlay play = handMadePlay(numberedRows(15), {9});
    state.tips.setLine(1, "40,41,42,43,44,7,");
    state.tips.toggleLock(1);
    const std::string lockedLine = state.tips.line(1);

    const std::size_t next = placeWheelRows(state, ports, play, 0);
    EXPECT_EQ(next, 11u) << "eleven unlocked rows";
    EXPECT_EQ(firstNumbers(), (std::vector<int>{1, 40, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(state.tips.line(0), "1,60,61,62,63,9,");
    EXPECT_NE(state.status[1].find("Reihen 1 bis 11 von 15"), std::string::npos) << state.status[1];

    EXPECT_EQ(placeWheelRows(state, ports, play, next), 15u);
    EXPECT_EQ(firstNumbers(), (std::vector<int>{12, 40, 13, 14, 15, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(state.tips.line(1), lockedLine);
    EXPECT_TRUE(state.tips.row(1).locked);
    EXPECT_EQ(state.tips.line(11), ",,,,,,");

    // Past the end nothing is placed and the sheet keeps only its locked row.
    EXPECT_EQ(placeWheelRows(state, ports, play, 15), 15u);
    EXPECT_EQ(firstNumbers(), (std::vector<int>{0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(WheelCommandsTest, TipFilesHoldTwelveRowsEachAndNeverReplaceAFile) {
    TempFolder folder;
    const double today = day("2016-01-04"); // the next draw is on Wednesday 2016-01-06
    std::vector<std::array<int, 5>> rows = numberedRows(13);
    const WheelPlay play = handMadePlay(rows, {9, 14});
    saveFileAtomically(folder.file("20160106-1.vlt"), "kept");

    const std::vector<std::filesystem::path> files = writeWheelTipFiles(folder.path(), play, today);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].filename(), "20160106-2.vlt");
    EXPECT_EQ(files[1].filename(), "20160106-3.vlt");
    EXPECT_EQ(readFileBytes(folder.file("20160106-1.vlt"), 100), "kept");
    const std::string first = readFileBytes(files[0], 4096);
    EXPECT_EQ(first.substr(0, 37), "1,60,61,62,63,9,\r\n2,60,61,62,63,14,\r\n");
    EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 12);
    EXPECT_EQ(readFileBytes(files[1], 4096), "13,60,61,62,63,9,\r\n");
}

TEST(WheelCommandsTest, AFailedTipFileTakesTheWrittenOnesBackAndSaysWhich) {
    TempFolder folder;
    // The first file is small, the second one larger than the files may grow.
    std::vector<std::array<int, 5>> rows(12, {1, 2, 3, 4, 5});
    for (int r = 0; r < 12; ++r)
        rows.push_back({10 + r, 30, 40, 50, 60});
    std::vector<int> powerballs(12, 0);
    powerballs.resize(24, 26);
    const WheelPlay play = handMadePlay(rows, powerballs);

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 200;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string message;
    try {
        writeWheelTipFiles(folder.path(), play, day("2016-01-04"));
    } catch (const FileSaveError& failure) {
        message = failure.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(message.find("20160106-2.vlt"), std::string::npos) << message;
    EXPECT_EQ(filesIn(folder.path()), 0u) << "neither the first file nor a temporary is left";
}

TEST(WheelCommandsTest, TheCheckCountsEachRowAndTheWholeWheel) {
    const DrawRecord drawn = draw("2016-01-06", {3, 5, 8, 40, 50}, 7, 2);
    const CurrentDraw shown{drawn.date, drawn.drawNumbers()};
    const WheelPlay play = handMadePlay(
        {{3, 5, 8, 40, 50}, {1, 2, 3, 5, 8}, {1, 2, 4, 6, 9}, {1, 3, 5, 40, 50}, {1, 2, 4, 6, 9}},
        {7, 7, 0, 9, 7});
    const std::optional<WheelCheck> check = checkWheelAgainstDraw(shown, play);
    ASSERT_TRUE(check);
    std::vector<int> hits;
    std::vector<std::string> tiers;
    for (std::size_t r = 0; r < check->matches.size(); ++r) {
        hits.push_back(check->matches[r].hits);
        tiers.emplace_back(PrizeTiers::tierName(check->prizes[r].tier));
    }
    EXPECT_EQ(hits, (std::vector<int>{5, 3, 0, 4, 0}));
    EXPECT_EQ(tiers, (std::vector<std::string>{"5 + PB", "3 + PB", "", "4", "PB"}));
    EXPECT_EQ(check->jackpots, 1);
    EXPECT_EQ(check->totalUsd, 100 + 100 + 4);
    EXPECT_EQ(check->totalPowerPlayUsd, 200 + 200 + 8);
    EXPECT_TRUE(check->prizesKnown);

    // No draw shown: nothing to check against.
    EXPECT_FALSE(checkWheelAgainstDraw(CurrentDraw{}, play));
}

TEST(WheelCommandsTest, TheListingHoldsEveryRowUnderItsGuarantee) {
    AppState state;
    state.currentDraw.date = day("2016-01-06");
    const WheelPlay play = handMadePlay(numberedRows(13), {9});
    const std::string listing = wheelListing(state, play);
    EXPECT_EQ(listing.rfind("Velmars Rad mit 13 Reihen für 09.01.2016\r\n", 0), 0u) << listing;
    EXPECT_NE(listing.find("Garantie geprüft: 3 Richtige, wenn 3"), std::string::npos);
    EXPECT_NE(listing.find("Kosten: 26 $, mit Power Play 39 $"), std::string::npos);
    EXPECT_NE(listing.find(" 1.   1   60   61   62   63   PowerBall:  9\r\n"), std::string::npos)
        << listing;
    EXPECT_NE(listing.find("13.  13   60"), std::string::npos) << listing;
}

} // namespace
