#include "base/DataAge.h"
#include "TempFolder.h"
#include "app/draws/DataAgeNote.h"

#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::iso;
using powerball::testing::TempFolder;

namespace {

struct AgeCase {
    const char* newest;
    const char* today;
    const char* lastDrawDay;
    int missing;
    bool stale;
};

// Today's own draw never counts as missing; a lag of exactly a week is still current.
const AgeCase kAgeCases[] = {
    {"2026-08-05", "2026-08-06", "2026-08-05", 0, false}, // the day after the newest draw
    {"2026-08-05", "2026-08-05", "2026-08-03", 0, false}, // the newest draw is today's
    {"2026-08-05", "2026-08-12", "2026-08-10", 2, false}, // today's Wednesday draw not yet out
    {"2026-08-05", "2026-08-13", "2026-08-12", 3, false}, // exactly a week
    {"2026-08-05", "2026-08-16", "2026-08-15", 4, true},  // ten days
    {"2026-08-05", "2026-11-02", "2026-10-31", 37, true},
    {"2026-08-05", "2026-12-11", "2026-12-09", 54, true},
    {"2026-08-05", "2026-08-01", "2026-07-29", 0, false}, // a clock behind the data
    // Across the first Monday draw (23 August 2021): two draws a week before, three after.
    {"2021-08-14", "2021-08-24", "2021-08-23", 3, true},
    {"2021-07-31", "2021-08-30", "2021-08-28", 9, true},
};

TEST(DataAge, MissingDrawsUpToTheLastDrawDayBeforeToday) {
    for (const AgeCase& c : kAgeCases) {
        const DataAge age = DataAge::of(day(c.newest), day(c.today));
        SCOPED_TRACE(std::string(c.newest) + " seen on " + c.today);
        EXPECT_EQ(iso(age.newestDraw), c.newest);
        EXPECT_EQ(iso(age.lastDrawDay), c.lastDrawDay);
        EXPECT_EQ(age.missingDraws, c.missing);
        EXPECT_EQ(age.stale, c.stale);
    }
}

TEST(DataAge, FactsAndTextOfTheStoredDraws) {
    TempFolder folder;
    ProgramFiles files;
    files.programFolder = folder.path();
    const MessageTable messages;

    // No draw file at all: nothing to say, and no age.
    HistoryFacts facts = HistoryFacts::of(files);
    EXPECT_EQ(facts.drawCount, 0);
    EXPECT_FALSE(facts.age(day("2026-12-11")));
    EXPECT_EQ(dataAgeText(messages, facts.age(day("2026-12-11"))), "");

    powerball::testing::writeDrawFile(folder, {draw("2026-08-01", {1, 2, 3, 4, 5}, 6),
                                               draw("2026-08-03", {7, 8, 9, 10, 11}, 12),
                                               draw("2026-08-05", {13, 14, 15, 16, 17}, 18)});
    facts = HistoryFacts::of(files);
    EXPECT_EQ(facts.drawCount, 3);
    ASSERT_TRUE(facts.newestDraw);
    EXPECT_EQ(iso(*facts.newestDraw), "2026-08-05");
    EXPECT_EQ(dataAgeText(messages, facts.age(day("2026-11-02"))),
              "Die Ziehungsdaten enden am 05.08.2026 – 37 Ziehungen fehlen.");
    EXPECT_EQ(dataAgeText(messages, facts.age(day("2026-08-10"))),
              "Die Ziehungsdaten sind aktuell (neueste Ziehung vom 05.08.2026).");
}

} // namespace
