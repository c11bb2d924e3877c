#include "base/DrawCalendar.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::day;

namespace {

TEST(DrawCalendar, DayNumbersOfKnownDates) {
    EXPECT_EQ(DrawCalendar::dayNumber(1899, 12, 30), 0);
    EXPECT_EQ(DrawCalendar::dayNumber(1997, 11, 5), 35739);
    EXPECT_EQ(day("2015-10-10"), DrawCalendar::kDesignedStartDate);
    EXPECT_EQ(day("2021-08-23"), DrawCalendar::kMondayDrawsFrom);
    EXPECT_EQ(DrawCalendar::civil(35739), (CivilDate{1997, 11, 5}));
    EXPECT_EQ(DrawCalendar::civil(day("2024-02-29")), (CivilDate{2024, 2, 29}));
}

TEST(DrawCalendar, Texts) {
    const DayNumber saturday = day("2015-10-10");
    EXPECT_EQ(DrawCalendar::weekday(saturday), 6);
    EXPECT_EQ(DrawCalendar::yyyymmdd(saturday), "20151010");
    EXPECT_EQ(DrawCalendar::shortDate(saturday), "10.10.2015");
    EXPECT_EQ(DrawCalendar::drawDateText(saturday), "Sa 10.10.15");
    EXPECT_EQ(DrawCalendar::drawDateText(day("2001-01-03")), "Mi 03.01.01");
}

TEST(DrawCalendar, RejectsMalformedDates) {
    for (const char* text : {"2015-02-29", "2015-13-01", "15-10-10", "2015/10/10", "", "2015-1-01"})
        EXPECT_FALSE(DrawCalendar::parseIsoDate(text)) << text;
    EXPECT_EQ(DrawCalendar::parseYyyymmdd("20151014"), day("2015-10-14"));
    EXPECT_FALSE(DrawCalendar::parseYyyymmdd("2015101"));
}

TEST(DrawCalendar, RoundsHalfDaysToEven) {
    EXPECT_EQ(DrawCalendar::roundToDay(42287.5), 42288);
    EXPECT_EQ(DrawCalendar::roundToDay(42288.5), 42288);
    EXPECT_EQ(DrawCalendar::roundToDay(42287.54), 42288); // 13:00
    EXPECT_EQ(DrawCalendar::roundToDay(42287.4), 42287);
}

struct NextDrawCase {
    const char* from;
    std::vector<const char*> following;
};

TEST(DrawCalendar, NextDrawDay) {
    const std::vector<NextDrawCase> cases{
        // Wednesday/Saturday rhythm.
        {"2015-10-10", {"2015-10-14", "2015-10-17", "2015-10-21"}},
        {"1997-11-05", {"1997-11-08", "1997-11-12"}},
        // A Monday before Monday draws: Friday, Tuesday, Saturday, then the rhythm again.
        {"2015-10-12", {"2015-10-16", "2015-10-20", "2015-10-24", "2015-10-28"}},
        // Into the time of Monday draws: the first one is not skipped.
        {"2021-08-21", {"2021-08-23", "2021-08-25", "2021-08-28", "2021-08-30"}},
        {"2021-08-18", {"2021-08-21", "2021-08-23"}},
        {"2026-08-05", {"2026-08-08", "2026-08-10", "2026-08-12"}},
        // A day that is no draw day moves to the next draw day.
        {"2026-08-06", {"2026-08-08"}},
    };
    for (const NextDrawCase& c : cases) {
        DayNumber current = day(c.from);
        for (const char* expected : c.following) {
            current = DrawCalendar::nextDrawDay(current);
            EXPECT_EQ(DrawCalendar::isoDate(current), expected) << "walking from " << c.from;
        }
    }
}

} // namespace
