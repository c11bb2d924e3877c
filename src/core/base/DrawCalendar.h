#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace powerball {

// A calendar day as the program counts it: whole days since 30 December 1899 (day 0).
// Dates that carry a time of day (the pickers) are doubles; draws always fall on whole days.
using DayNumber = int;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    bool operator==(const CivilDate&) const = default;
};

// All calendar arithmetic of the program: day numbers, weekdays, the fixed date texts and
// the Powerball draw days.
class DrawCalendar {
public:
    static constexpr DayNumber kUnixEpoch = 25569;         // 1 January 1970
    static constexpr DayNumber kMinimumDate = 35739;       // 5 November 1997, the pickers' minimum
    static constexpr DayNumber kDesignedStartDate = 42287; // 10 October 2015
    static constexpr DayNumber kMondayDrawsFrom = 44431;   // 23 August 2021, first Monday draw
    static constexpr DayNumber kLatestDate = 2958465;      // 31 December 9999, the last day held

    static DayNumber dayNumber(int year, int month, int day);
    static DayNumber dayNumber(const CivilDate& date) {
        return dayNumber(date.year, date.month, date.day);
    }
    static CivilDate civil(DayNumber day);

    // 0 = Sunday, 1 = Monday ... 6 = Saturday.
    static int weekday(DayNumber day);

    // A picker date with a time of day, rounded to the nearest day; a half goes to the even day.
    static DayNumber roundToDay(double date);
    // The day a date with a time of day falls on: its date part.
    static DayNumber datePart(double date);

    static std::string yyyymmdd(DayNumber day);
    static std::string isoDate(DayNumber day);      // yyyy-mm-dd
    static std::string shortDate(DayNumber day);    // dd.mm.yyyy
    static std::string drawDateText(DayNumber day); // DDD dd.mm.yy
    static std::optional<DayNumber> parseIsoDate(std::string_view text);
    static std::optional<DayNumber> parseYyyymmdd(std::string_view text);

    // The draw day after `day`. Draws were on Wednesdays and Saturdays (Wednesday + 3, any
    // other day + 4); since 23 August 2021 they are on Mondays, Wednesdays and Saturdays.
    static DayNumber nextDrawDay(DayNumber day);
    static bool isDrawDay(DayNumber day);
    // The first real draw day strictly after `day`, whatever weekday `day` is: the date a
    // tip made on that day plays for.
    static DayNumber drawDayAfter(DayNumber day);
};

} // namespace powerball
