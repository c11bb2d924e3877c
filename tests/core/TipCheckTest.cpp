#include "app/evaluation/TipCheck.h"
#include "rules/sheet/RowFault.h"

#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

class CountingSound : public SoundPlayer {
public:
    void play(const std::filesystem::path& file) override {
        ++plays;
        last = file;
    }
    int plays = 0;
    std::filesystem::path last;
};

class TipCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, powerball::testing::threeOctoberDraws());
        state.programFolder = folder.path();
        state.checkEnabled = true;
        ports.sound = &sound;
        ports.prompts = &prompts;
    }

    void evaluate(const char* isoDate) {
        state.selectedDate = day(isoDate);
        evaluateSelectedDate(state, ports);
    }

    TempFolder folder;
    AppState state;
    CountingSound sound;
    ScriptedPrompts prompts;
    Ports ports;
};

TEST(matchTip, CountsHitsByPosition) {
    DrawNumbers drawn;
    drawn.slots = {7, 19, 33, 45, 60, 0, 12, 3};
    const MatchClass match = matchTip(drawn, {"2", "7", "19", "33", "40", "12", ""});
    EXPECT_EQ(match.hits, 3);
    EXPECT_EQ(match.positionHit, (std::array<bool, 5>{false, true, true, true, false}));
    EXPECT_TRUE(match.pbHit);

    // An empty white field stops the count where it stands: with white 3 empty only the
    // comparisons of the first drawn number with tip positions 1 and 2 happened.
    const MatchClass partial = matchTip(drawn, {"7", "19", "", "45", "60", "12", ""});
    EXPECT_EQ(partial.hits, 1);
    EXPECT_FALSE(partial.pbHit);

    const MatchClass noPowerball = matchTip(drawn, {"7", "19", "33", "45", "60", "", ""});
    EXPECT_EQ(noPowerball.hits, 5);
    EXPECT_FALSE(noPowerball.pbHit);
}

TEST_F(TipCheckTest, RowsShowHitsColoursAndSounds) {
    struct Case {
        const char* line;
        const char* sorted;
        const char* hitText;
        HitColor hitColor;
        std::array<FieldColor, 7> colors;
        const char* crossSum;
    };
    using enum FieldColor;
    const std::vector<Case> cases{
        {"40,7,33,2,19,,",
         "2,7,19,33,40,,",
         "3",
         HitColor::Red,
         {Window, Lime, Lime, Lime, Window, Window, Window},
         "101"},
        {"7,19,1,2,3,5,",
         "1,2,3,7,19,5,",
         "2",
         HitColor::Black,
         {Window, Window, Window, Lime, Lime, Window, Window},
         "32"},
        {"1,2,3,4,5,12,",
         "1,2,3,4,5,12,",
         "0 + PB",
         HitColor::Red,
         {Window, Window, Window, Window, Window, Red, Window},
         "15"},
        {"1,2,,4,5,12,",
         "1,2,,4,5,12,",
         "",
         HitColor::Black,
         {Window, Window, Window, Window, Window, Window, Window},
         ""},
    };
    for (std::size_t r = 0; r < cases.size(); ++r)
        state.tips.setLine(static_cast<int>(r), cases[r].line);
    evaluate("2015-10-10");

    for (std::size_t r = 0; r < cases.size(); ++r) {
        const TipRow& row = state.tips.row(static_cast<int>(r));
        SCOPED_TRACE(cases[r].line);
        EXPECT_EQ(state.tips.line(static_cast<int>(r)), cases[r].sorted);
        EXPECT_EQ(row.hitText, cases[r].hitText);
        EXPECT_EQ(row.hitColor, cases[r].hitColor);
        EXPECT_EQ(row.colors, cases[r].colors);
        EXPECT_EQ(row.crossSumText, cases[r].crossSum);
    }
    EXPECT_EQ(sound.plays, 2);
    EXPECT_EQ(sound.last, folder.file("yippee.wav"));
    EXPECT_EQ(state.histogram.count(3, false), 1);
    EXPECT_EQ(state.histogram.count(2, false), 1);
    EXPECT_EQ(state.histogram.count(0, true), 1);
    EXPECT_EQ(state.histogram.count(0, false), 0);
}

TEST_F(TipCheckTest, RowsThatAreNoTipsAreMarkedAndLeftOut) {
    struct Case {
        const char* line;
        RowFault::Kind kind;
        std::vector<int> marked;
        const char* hitText;
        const char* reason;
    };
    const std::vector<Case> cases{
        {"7,7,7,8,9,12,",
         RowFault::Kind::Repeated,
         {0, 1},
         "doppelt",
         "Die Zahl 7 steht zweimal in der Reihe"},
        {"1,2,3,4,99,6,",
         RowFault::Kind::OutOfRange,
         {4},
         "ungültig",
         "99 ist keine Zahl von 1 bis 69"},
        {"1,2,3,4,5,27,",
         RowFault::Kind::OutOfRange,
         {5},
         "ungültig",
         "27 ist keine Zahl von 1 bis 26"},
        {"1,x,3,,5,6,",
         RowFault::Kind::Unreadable,
         {1},
         "ungültig",
         "x ist keine Zahl von 1 bis 69"},
        {"0,2,3,4,5,6,",
         RowFault::Kind::OutOfRange,
         {0},
         "ungültig",
         "0 ist keine Zahl von 1 bis 69"},
    };
    for (std::size_t r = 0; r < cases.size(); ++r)
        state.tips.setLine(static_cast<int>(r), cases[r].line);
    evaluate("2015-10-10"); // 7 19 33 45 60, Powerball 12

    for (std::size_t r = 0; r < cases.size(); ++r) {
        SCOPED_TRACE(cases[r].line);
        const TipRow& row = state.tips.row(static_cast<int>(r));
        ASSERT_TRUE(rowFault(row));
        EXPECT_EQ(rowFault(row)->kind, cases[r].kind);
        EXPECT_EQ(state.tips.line(static_cast<int>(r)), cases[r].line); // kept as typed
        std::array<bool, 7> marked{};
        for (int f : cases[r].marked)
            marked[static_cast<std::size_t>(f)] = true;
        EXPECT_EQ(row.faulty, marked);
        EXPECT_EQ(row.hitText, cases[r].hitText);
        EXPECT_EQ(row.hitHint, cases[r].reason);
        EXPECT_EQ(row.hitColor, HitColor::Red);
        EXPECT_EQ(row.crossSumText, "");
    }
    // Left out of the check: no hits counted, no sound, no prize.
    EXPECT_EQ(sound.plays, 0);
    for (int hits = 0; hits <= 5; ++hits)
        EXPECT_EQ(state.histogram.count(hits, false) + state.histogram.count(hits, true), 0);
    EXPECT_EQ(sheetFault(state.tips)->row, 0);
    EXPECT_EQ(sheetFaultMessage(state.messages, *sheetFault(state.tips)),
              "Tipp 1 ist kein gültiger Tipp: Die Zahl 7 steht zweimal in der Reihe. Bitte "
              "korrigieren Sie ihn zuerst.");

    // Corrected, the row is checked and its marks go.
    state.tips.setField(0, 1, "19");
    state.tips.setField(0, 2, "33");
    evaluate("2015-10-10");
    EXPECT_EQ(state.tips.row(0).faulty, (std::array<bool, 7>{}));
    EXPECT_EQ(state.tips.row(0).hitText, "3 + PB");
}

TEST_F(TipCheckTest, EmptiedRowKeepsItsCrossSum) {
    state.tips.setLine(0, "40,7,33,2,19,,");
    evaluate("2015-10-10");
    for (int f = 0; f < 5; ++f)
        state.tips.setField(0, f, "");
    checkSheet(state, sound);
    EXPECT_EQ(state.tips.row(0).crossSumText, "101");
    EXPECT_EQ(state.tips.row(0).hitText, "");
    EXPECT_EQ(state.tips.row(0).colors, (std::array<FieldColor, 7>{}));
}

TEST_F(TipCheckTest, PrizesOfTheRowsAndTheirTotalInTheStatusBar) {
    state.tips.setLine(0, "7,19,33,45,61,12,"); // 4 + PB
    state.tips.setLine(1, "7,19,33,1,2,12,");   // 3 + PB
    state.tips.setLine(2, "1,2,3,4,5,6,");      // nothing
    evaluate("2015-10-10");                     // Power Play 3
    ASSERT_TRUE(state.prizes.rows[0] && state.prizes.rows[1] && state.prizes.rows[2]);
    EXPECT_FALSE(state.prizes.rows[3]); // an empty row is not checked
    EXPECT_EQ(state.prizes.rows[0]->tier, PrizeTier::FourPlusPowerball);
    EXPECT_EQ(state.prizes.rows[2]->tier, PrizeTier::None);
    EXPECT_EQ(state.prizes.totalUsd, 50'100);
    EXPECT_EQ(state.prizes.totalPowerPlayUsd, 150'300);
    EXPECT_EQ(state.status[1], "Gewinn des Tipps: 50.100 $ (mit Power Play: 150.300 $)");
    EXPECT_EQ(state.tips.row(1).hitHint,
              "Gewinnklasse: 3 + PB\nGewinn: 100 $\nmit Power Play: 300 $\nChance: 1 zu 14.494,11");
    EXPECT_EQ(state.tips.row(2).hitHint, "keine Gewinnklasse");
    EXPECT_EQ(state.tips.row(3).hitHint, "");

    // Nothing won any more: the note goes, and a row that lost a number loses its hint.
    state.tips.setField(0, 0, "");
    state.tips.setLine(1, "1,2,3,4,5,6,");
    checkSheet(state, sound);
    EXPECT_EQ(state.tips.row(0).hitHint, "");
    EXPECT_EQ(state.prizes.totalUsd, 0);
    EXPECT_EQ(state.status[1], "");

    // A note of another command stays when the sheet wins nothing.
    state.status[1] = "Glückszahl 7 gesetzt";
    checkSheet(state, sound);
    EXPECT_EQ(state.status[1], "Glückszahl 7 gesetzt");
}

TEST_F(TipCheckTest, EmptySheetAndSwitchedOffCheck) {
    evaluate("2015-10-10");
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        EXPECT_EQ(state.tips.row(r).hitText, "");
    EXPECT_EQ(state.histogram.cells, MatchHistogram{}.cells);

    state.tips.setLine(0, "7,19,33,45,60,12,");
    state.checkEnabled = false;
    checkSheet(state, sound);
    EXPECT_EQ(state.tips.row(0).hitText, "");
    EXPECT_EQ(sound.plays, 0);
}

TEST_F(TipCheckTest, DrawTextsFollowThePlaceInTheFile) {
    struct Case {
        const char* selected;
        const char* text;
        const char* selectedAfter;
        int index;
    };
    const std::vector<Case> cases{
        {"2015-10-01", "Mi 07.10.15     1  2  3  4  5 PB:6 PP:2", "2015-10-07", 0},
        {"2015-10-09", "Sa 10.10.15    7  19  33  45  60 PB:12 PP:3", "2015-10-10", 1},
        {"2015-10-14", "Mi 14.10.15    11  21  31  41  51   PB: 8 PP: 10", "2015-10-14", 2},
        {"2016-03-01", "Mi 14.10.15    11  21  31  41  51   PB: 8 PP: 10", "2015-10-14", 2},
    };
    for (const Case& c : cases) {
        evaluate(c.selected);
        EXPECT_EQ(state.databaseDrawText, c.text);
        EXPECT_EQ(state.panelDrawText, c.text);
        EXPECT_EQ(state.drawIndex, c.index);
        EXPECT_EQ(DrawCalendar::isoDate(static_cast<int>(state.selectedDate)), c.selectedAfter);
        EXPECT_EQ(state.scanFromDate, day(c.selected));
    }
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 155");
}

TEST_F(TipCheckTest, SingleRecordIsTheLast) {
    writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2)});
    evaluate("2015-10-01");
    EXPECT_EQ(state.databaseDrawText, "Mi 07.10.15    1  2  3  4  5   PB: 6 PP: 2");
}

TEST_F(TipCheckTest, MissingDrawFileIsReportedAndCreated) {
    std::filesystem::remove(folder.file("Powerball.dat"));
    state.tips.setLine(0, "7,19,33,45,60,12,");
    evaluate("2015-10-10");
    EXPECT_EQ(prompts.shown, std::vector<std::string>{kNoDrawFileMessage});
    EXPECT_TRUE(std::filesystem::exists(folder.file("Powerball.dat")));
    EXPECT_EQ(state.tips.row(0).hitText, "");

    // Now it is empty: the previous current draw stays and the sheet is checked against it.
    state.currentDraw.numbers.slots = {7, 19, 33, 45, 60, 0, 12, 3};
    state.currentDraw.date = day("2015-10-10");
    state.drawIndex = 4;
    evaluate("2016-01-01");
    EXPECT_EQ(state.drawIndex, 0);
    EXPECT_EQ(state.tips.row(0).hitText, "5 + PB");
    EXPECT_EQ(DrawCalendar::isoDate(static_cast<int>(state.selectedDate)), "2015-10-10");
    EXPECT_EQ(state.databaseDrawText, "");
}

} // namespace
