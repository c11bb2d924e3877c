#include "base/DrawCalendar.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace powerball {

namespace {

// The fixed German names of the draw date text; shown texts take the language's from
// TextFormat.
const std::array<std::string, 7>& names() {
    static const std::array<std::string, 7> table{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    return table;
}

using namespace std::chrono;

// A day number as a calendar day of the standard library: day numbers count from
// 30 December 1899, the system clock's days from 1 January 1970.
sys_days sysDays(DayNumber day) {
    return sys_days{days{day - DrawCalendar::kUnixEpoch}};
}

std::optional<int> parseDigits(std::string_view text) {
    int value = 0;
    if (text.empty())
        return std::nullopt;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<DayNumber> validDate(std::optional<int> y, std::optional<int> m,
                                   std::optional<int> d) {
    if (!y || !m || !d || *m < 1 || *m > 12 || *d < 1 || *d > 31 || *y < 1 || *y > 9999)
        return std::nullopt;
    const DayNumber day = DrawCalendar::dayNumber(*y, *m, *d);
    if (DrawCalendar::civil(day) != CivilDate{*y, *m, *d})
        return std::nullopt;
    return day;
}

// Three parts of a date, each a whole number, as `format` writes them.
std::string printed(const char* format, int first, int second, int third) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, format, first, second, third);
    return buffer;
}

} // namespace

DayNumber DrawCalendar::dayNumber(int year, int month, int day) {
    // Out-of-range months and days roll over as the civil-date formula does (day 0 is the
    // last day of the month before), so sys_days is built from the first of the month.
    const year_month firstMonth = year_month{std::chrono::year{year}, January} + months{month - 1};
    const sys_days first = sys_days{firstMonth / 1};
    return static_cast<DayNumber>((first - sys_days{}).count()) + (day - 1) + kUnixEpoch;
}

CivilDate DrawCalendar::civil(DayNumber day) {
    const year_month_day date{sysDays(day)};
    return {static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day()))};
}

int DrawCalendar::weekday(DayNumber day) {
    return static_cast<int>(std::chrono::weekday{sysDays(day)}.c_encoding());
}

DayNumber DrawCalendar::datePart(double date) {
    return static_cast<DayNumber>(std::floor(date));
}

DayNumber DrawCalendar::roundToDay(double date) {
    return static_cast<DayNumber>(std::nearbyint(date));
}

std::string DrawCalendar::yyyymmdd(DayNumber day) {
    const CivilDate c = civil(day);
    return printed("%04d%02d%02d", c.year, c.month, c.day);
}

std::string DrawCalendar::isoDate(DayNumber day) {
    const CivilDate c = civil(day);
    return printed("%04d-%02d-%02d", c.year, c.month, c.day);
}

std::string DrawCalendar::shortDate(DayNumber day) {
    const CivilDate c = civil(day);
    return printed("%02d.%02d.%04d", c.day, c.month, c.year);
}

std::string DrawCalendar::drawDateText(DayNumber day) {
    const CivilDate c = civil(day);
    return names()[weekday(day)] + printed(" %02d.%02d.%02d", c.day, c.month, c.year % 100);
}

std::optional<DayNumber> DrawCalendar::parseIsoDate(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    return validDate(parseDigits(text.substr(0, 4)), parseDigits(text.substr(5, 2)),
                     parseDigits(text.substr(8, 2)));
}

std::optional<DayNumber> DrawCalendar::parseYyyymmdd(std::string_view text) {
    if (text.size() != 8)
        return std::nullopt;
    return validDate(parseDigits(text.substr(0, 4)), parseDigits(text.substr(4, 2)),
                     parseDigits(text.substr(6, 2)));
}

DayNumber DrawCalendar::drawDayAfter(DayNumber day) {
    DayNumber next = day + 1;
    while (!isDrawDay(next))
        ++next;
    return next;
}

bool DrawCalendar::isDrawDay(DayNumber day) {
    const int w = weekday(day);
    if (day >= kMondayDrawsFrom)
        return w == 1 || w == 3 || w == 6;
    return w == 3 || w == 6;
}

DayNumber DrawCalendar::nextDrawDay(DayNumber day) {
    if (day < kMondayDrawsFrom) {
        const DayNumber old = day + (weekday(day) == 3 ? 3 : 4);
        if (old < kMondayDrawsFrom)
            return old;
    }
    // From the first Monday draw on: the next Monday, Wednesday or Saturday.
    DayNumber next = std::max(day, kMondayDrawsFrom - 1) + 1;
    while (!isDrawDay(next))
        ++next;
    return next;
}

} // namespace powerball
