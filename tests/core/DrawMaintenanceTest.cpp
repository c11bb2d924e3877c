#include "app/draws/DrawMaintenance.h"
#include "draws/DrawFileError.h"

#include "app/AppShell.h"
#include "app/evaluation/TipCheck.h"

#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

class DrawMaintenanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        stored = {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                  draw("2015-10-10", {60, 7, 45, 19, 33}, 12, 3), // as an update stores it
                  draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 10)};
        stored[1].tail = {1, 2, 3, 4, 5, 6, 7, 0, 1, 2, 3, 4, 5, 0, 0, 0};
        writeDrawFile(folder, stored);
        state.programFolder = folder.path();
        state.checkEnabled = true;
        ports.prompts = &dialog;
    }
    void select(const char* isoDate) { state.selectedDate = day(isoDate); }
    std::vector<DrawRecord> fileRecords() const { return state.drawHistory().readAll(); }
    std::string shown() const {
        return DrawCalendar::isoDate(static_cast<int>(state.currentDraw.date));
    }

    TempFolder folder;
    std::vector<DrawRecord> stored;
    AppState state;
    ScriptedPrompts dialog;
    Ports ports;
};

TEST_F(DrawMaintenanceTest, DialogOpensWithTheDrawOfTheSelectedDateElseTheNewest) {
    select("2015-10-10");
    DrawMaintenance::enterDraw(state, ports);
    select("2015-10-11");
    DrawMaintenance::enterDraw(state, ports);
    ASSERT_EQ(dialog.openedEntries.size(), 2u);
    EXPECT_EQ(dialog.openedEntries[0], (DrawEntry{day("2015-10-10"), {60, 7, 45, 19, 33}, 12, 3}));
    EXPECT_EQ(dialog.openedEntries[1], (DrawEntry{day("2015-10-14"), {11, 21, 31, 41, 51}, 8, 10}));
    EXPECT_EQ(fileRecords(), stored); // aborted: nothing written
    EXPECT_EQ(state.scanFromDate, day("2015-10-14"));
    EXPECT_EQ(shown(), "2015-10-14"); // the draw the dialog opened with is shown again

    // A stored Powerball of an older drum opens as the nearest value the spin allows for
    // the draw's own era.
    writeDrawFile(folder, {draw("2015-10-07", {1, 69, 3, 4, 5}, 42, 10)});
    DrawMaintenance::enterDraw(state, ports);
    EXPECT_EQ(dialog.openedEntries.back(),
              (DrawEntry{day("2015-10-07"), {1, 69, 3, 4, 5}, 26, 10}));

    // A damaged record is reported before the dialog opens.
    writeDrawFile(folder, {draw("2015-10-07", {0, 70, 3, 4, 5}, 0, 200)});
    EXPECT_THROW(DrawMaintenance::enterDraw(state, ports), DrawFileError);
}

TEST_F(DrawMaintenanceTest, AcceptedEntryIsStoredInDateOrder) {
    struct Case {
        const char* date;
        std::array<int, 5> white;
        std::vector<const char*> datesAfter;
        std::array<int, 8> storedSlots;
    };
    const std::vector<Case> cases{
        // OK without changes: the same draw, its white numbers now sorted.
        {"2015-10-10",
         {60, 7, 45, 19, 33},
         {"2015-10-07", "2015-10-10", "2015-10-14"},
         {7, 19, 33, 45, 60, 0, 12, 3}},
        {"2015-10-03",
         {45, 3, 57, 12, 8},
         {"2015-10-03", "2015-10-07", "2015-10-10", "2015-10-14"},
         {3, 8, 12, 45, 57, 0, 12, 3}},
        {"2015-10-17",
         {69, 1, 2, 3, 4},
         {"2015-10-07", "2015-10-10", "2015-10-14", "2015-10-17"},
         {1, 2, 3, 4, 69, 0, 12, 3}},
        {"2015-09-30",
         {5, 4, 3, 2, 1},
         {"2015-09-30", "2015-10-07", "2015-10-10", "2015-10-14"},
         {1, 2, 3, 4, 5, 0, 12, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date);
        writeDrawFile(folder, stored);
        select("2015-10-10");
        dialog.editEntry = [&](DrawEntry& entry) {
            entry.date = day(c.date);
            entry.white = c.white;
        };
        const std::optional<DrawRecord> result = DrawMaintenance::enterDraw(state, ports);

        const std::vector<DrawRecord> records = fileRecords();
        std::vector<std::string> dates;
        for (const DrawRecord& record : records)
            dates.push_back(DrawCalendar::isoDate(static_cast<int>(record.date)));
        EXPECT_EQ(dates, std::vector<std::string>(c.datesAfter.begin(), c.datesAfter.end()));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->drawNumbers().slots, c.storedSlots);
        EXPECT_EQ(result->tail, stored[1].tail); // the digit groups of the opened draw
        EXPECT_NE(std::find(records.begin(), records.end(), *result), records.end());
        EXPECT_EQ(shown(), "2015-10-10");
    }
}

TEST_F(DrawMaintenanceTest, EnteringTheNextDrawAfterTheNewest) {
    select("2016-01-01"); // as after start-up: the newest draw is shown
    evaluateSelectedDate(state, ports);
    dialog.editEntry = [](DrawEntry& entry) {
        entry.date = day("2015-10-17");
        entry.white = {10, 20, 30, 40, 50};
        entry.powerball = 26;
        entry.powerPlay = 0;
    };
    DrawMaintenance::enterDraw(state, ports);
    const std::vector<DrawRecord> records = fileRecords();
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records.back().drawNumbers().slots,
              (std::array<int, 8>{10, 20, 30, 40, 50, 0, 26, 0}));
    EXPECT_EQ(shown(), "2015-10-14");
    EXPECT_EQ(state.drawIndex, 2);
}

TEST_F(DrawMaintenanceTest, EmptyOrMissingFileOpensWithTheEarliestDate) {
    for (const bool missing : {false, true}) {
        SCOPED_TRACE(missing ? "missing" : "empty");
        writeDrawFile(folder, {});
        if (missing)
            std::filesystem::remove(folder.file("Powerball.dat"));
        dialog.editEntry = [](DrawEntry& entry) { entry.white = {1, 2, 3, 4, 5}; };
        DrawMaintenance::enterDraw(state, ports);
        EXPECT_EQ(dialog.openedEntries.back(), DrawEntry{});
        EXPECT_EQ(DrawEntry{}.date, DrawCalendar::kMinimumDate);
        const std::vector<DrawRecord> records = fileRecords();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0], draw("1997-11-05", {1, 2, 3, 4, 5}, 1, 0));
        EXPECT_EQ(shown(), "1997-11-05");
    }
}

TEST_F(DrawMaintenanceTest, ValuesOutsideTheSpinsAreRefused) {
    select("2015-10-10");
    for (const auto& edit : std::vector<std::function<void(DrawEntry&)>>{
             [](DrawEntry& e) { e.white[2] = 70; }, [](DrawEntry& e) { e.white[0] = 0; },
             [](DrawEntry& e) { e.powerball = 40; }, [](DrawEntry& e) { e.powerPlay = 12; }}) {
        dialog.editEntry = edit;
        EXPECT_THROW(DrawMaintenance::enterDraw(state, ports), std::out_of_range);
        EXPECT_EQ(fileRecords(), stored);
    }
}

TEST_F(DrawMaintenanceTest, DeleteRemovesTheShownDrawAndShowsTheNext) {
    // Right after start-up the newest draw is shown; deleting it shows the one before.
    const FixedClock clock(day("2016-01-01"));
    ports.clock = &clock;
    AppShell::startUp(state, ports, folder.path());
    AppShell::activate(state, ports);
    ASSERT_EQ(shown(), "2015-10-14");
    EXPECT_TRUE(DrawMaintenance::deleteShownDraw(state, ports));
    EXPECT_EQ(fileRecords(), std::vector<DrawRecord>(stored.begin(), stored.begin() + 2));
    EXPECT_EQ(shown(), "2015-10-10");
    EXPECT_EQ(state.drawIndex, 1);

    // In the middle: the next later draw is shown. Two records of one date both go.
    writeDrawFile(folder, {stored[0], stored[1], stored[1], stored[2]});
    select("2015-10-10");
    evaluateSelectedDate(state, ports);
    DrawMaintenance::deleteShownDraw(state, ports);
    EXPECT_EQ(fileRecords(), (std::vector<DrawRecord>{stored[0], stored[2]}));
    EXPECT_EQ(shown(), "2015-10-14");

    // A shown date that is no longer stored: the file stays as it is, and there is nothing
    // to take back.
    state.panelDrawDate = day("2015-10-10");
    const std::size_t changes = state.drawChanges.size();
    DrawMaintenance::deleteShownDraw(state, ports);
    EXPECT_EQ(fileRecords(), (std::vector<DrawRecord>{stored[0], stored[2]}));
    EXPECT_EQ(state.drawChanges.size(), changes);
}

TEST_F(DrawMaintenanceTest, DeleteRemovesThePanelsDrawWhereverAScanLeftTheCurrentOne) {
    select("2015-10-10");
    evaluateSelectedDate(state, ports);
    // A history scan (the generator's filters, an analysis) moves the current draw without
    // showing it.
    state.currentDraw = {stored[2].date, stored[2].drawNumbers()};
    DrawMaintenance::deleteShownDraw(state, ports);
    EXPECT_EQ(fileRecords(), (std::vector<DrawRecord>{stored[0], stored[2]}));
    EXPECT_EQ(state.status[1], "Ziehung vom 10.10.2015 gelöscht – Strg+Z stellt sie wieder her");
}

TEST_F(DrawMaintenanceTest, UndoTakesBackDeletionsAndEntriesNewestFirst) {
    EXPECT_FALSE(DrawMaintenance::undoLastChange(state, ports));
    EXPECT_EQ(DrawMaintenance::undoText(state), "Rückgängig");

    // An entry that replaces a stored draw, one of a new date, then a deletion.
    select("2015-10-10");
    dialog.editEntry = [](DrawEntry& entry) { entry.white[0] = 61; };
    DrawMaintenance::enterDraw(state, ports);
    dialog.editEntry = [](DrawEntry& entry) { entry.date = day("2015-10-17"); };
    DrawMaintenance::enterDraw(state, ports);
    EXPECT_EQ(state.status[1],
              "Ziehung vom 17.10.2015 gespeichert – Strg+Z nimmt die Eingabe zurück");
    select("2015-10-07");
    evaluateSelectedDate(state, ports);
    DrawMaintenance::deleteShownDraw(state, ports);
    ASSERT_EQ(fileRecords().size(), 3u);

    EXPECT_EQ(DrawMaintenance::undoText(state), "Rückgängig: Löschen der Ziehung vom 07.10.2015");
    EXPECT_TRUE(DrawMaintenance::undoLastChange(state, ports));
    EXPECT_EQ(shown(), "2015-10-07"); // the restored draw is shown
    EXPECT_EQ(state.status[1], "Ziehung vom 07.10.2015 wiederhergestellt");
    EXPECT_EQ(DrawMaintenance::undoText(state), "Rückgängig: Eingabe der Ziehung vom 17.10.2015");
    EXPECT_TRUE(DrawMaintenance::undoLastChange(state, ports));
    EXPECT_TRUE(DrawMaintenance::undoLastChange(state, ports));
    EXPECT_EQ(fileRecords(), stored); // the replaced draw is back with its digit groups
    EXPECT_FALSE(DrawMaintenance::undoLastChange(state, ports));

    // An entry whose draw was changed since is not taken back.
    select("2015-10-14");
    dialog.editEntry = [](DrawEntry& entry) { entry.date = day("2015-10-17"); };
    DrawMaintenance::enterDraw(state, ports);
    DrawRecord other = draw("2015-10-17", {1, 2, 3, 4, 6}, 1, 2);
    state.drawHistory().insertOrReplace(other);
    EXPECT_FALSE(DrawMaintenance::undoLastChange(state, ports));
    EXPECT_EQ(fileRecords().back(), other);
}

// The public results: the draw of the 14th as stored, that of the 10th with another Power
// Play, one new draw and a line that is no draw.
const char* const kPublicResults = "Draw Date,Winning Numbers,Multiplier\r\n"
                                   "10/17/2015,5 10 15 20 25 26,2\r\n"
                                   "10/14/2015,11 21 31 41 51 08,10\r\n"
                                   "10/10/2015,07 19 33 45 60 12,4\r\n"
                                   "10/07/2015,1 2 3 4 5 6\r\n";

TEST_F(DrawMaintenanceTest, ImportShowsWhatItWouldDoAndStoresOnlyWhenAgreed) {
    powerball::testing::writeText(folder.file("results.csv"), kPublicResults);
    const std::string original = powerball::testing::readText(folder.file("Powerball.dat"));
    const std::string question = "Ziehungen importieren / 1 neue Ziehungen, 1 geänderte, "
                                 "1 unverändert\n\nÜbersprungene Zeilen: 1\nZeile 5: erwartet "
                                 "werden ein Datum, sechs Zahlen und ein Multiplikator, nicht "
                                 "\"10/07/2015,1 2 3 4 5 6\"";
    select("2015-10-10");

    // No file chosen, and No to the question: nothing is written.
    DrawMaintenance::ImportOutcome outcome = DrawMaintenance::importDrawFile(state, ports);
    EXPECT_FALSE(outcome.chosen);
    ASSERT_EQ(dialog.fileQuestions.size(), 1u);
    EXPECT_EQ(dialog.fileQuestions[0].filter, "Ziehungen (*.csv)");
    dialog.fileAnswer = folder.file("results.csv");
    outcome = DrawMaintenance::importDrawFile(state, ports);
    EXPECT_TRUE(outcome.chosen);
    EXPECT_FALSE(outcome.stored);
    ASSERT_EQ(dialog.questions.size(), 1u);
    EXPECT_EQ(dialog.questions[0].rfind(question, 0), 0u) << dialog.questions[0];
    EXPECT_NE(dialog.questions[0].find("Die geänderten Ziehungen ersetzen die gespeicherten."),
              std::string::npos);
    EXPECT_EQ(powerball::testing::readText(folder.file("Powerball.dat")), original);

    // Yes: the new and the changed draw are stored, the changed one keeping its digit groups.
    dialog.yesAnswer = true;
    outcome = DrawMaintenance::importDrawFile(state, ports);
    EXPECT_TRUE(outcome.stored);
    ASSERT_EQ(outcome.skipped.size(), 1u);
    EXPECT_EQ(outcome.skipped[0].line, 5);
    DrawRecord changed = draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 4);
    changed.tail = stored[1].tail;
    const DrawRecord added = draw("2015-10-17", {5, 10, 15, 20, 25}, 26, 2);
    EXPECT_EQ(fileRecords(), (std::vector<DrawRecord>{stored[0], changed, stored[2], added}));
    // The views follow the file: the newest draw in full, its cross sum, the count stored.
    EXPECT_EQ(shown(), "2015-10-17");
    EXPECT_EQ(state.panelDrawText, "Sa 17.10.15    5  10  15  20  25   PB: 26 PP: 2");
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 75");
    EXPECT_EQ(state.drawIndex, 3);
    EXPECT_EQ(state.status[1], "2 Ziehungen importiert");

    // Again: nothing would change, so nothing is asked and nothing written.
    dialog.questions.clear();
    const std::string imported = powerball::testing::readText(folder.file("Powerball.dat"));
    outcome = DrawMaintenance::importDrawFile(state, ports);
    EXPECT_FALSE(outcome.stored);
    EXPECT_TRUE(dialog.questions.empty());
    ASSERT_FALSE(dialog.plainTexts.empty());
    EXPECT_EQ(dialog.plainTexts.back().rfind("0 neue Ziehungen, 0 geänderte, 3 unverändert", 0),
              0u);
    EXPECT_EQ(powerball::testing::readText(folder.file("Powerball.dat")), imported);
}

TEST_F(DrawMaintenanceTest, ImportWithoutAChangedDrawAsksWithoutTheReplaceNote) {
    powerball::testing::writeText(folder.file("new.csv"), "Draw Date,Winning Numbers,Multiplier\n"
                                                          "10/17/2015,5 10 15 20 25 26,\n");
    dialog.fileAnswer = folder.file("new.csv");
    DrawMaintenance::importDrawFile(state, ports);
    ASSERT_EQ(dialog.questions.size(), 1u);
    EXPECT_EQ(dialog.questions[0], "Ziehungen importieren / 1 neue Ziehungen, 0 geänderte, "
                                   "0 unverändert\n\nJetzt importieren?");
    EXPECT_EQ(fileRecords(), stored);
}

} // namespace
