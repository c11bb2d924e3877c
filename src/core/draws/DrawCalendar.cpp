#include "draws/DrawCalendar.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace powerball {

namespace {

std::array<std::string, 7>& names() {
    static std::array<std::string, 7> table{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    return table;
}

// Days from 1 January 1970 for a proleptic Gregorian date (H. Hinnant's algorithm).
int daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
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

} // namespace

DayNumber DrawCalendar::dayNumber(int year, int month, int day) {
    return daysFromCivil(year, month, day) + kUnixEpoch;
}

CivilDate DrawCalendar::civil(DayNumber day) {
    int z = day - kUnixEpoch + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp + (mp < 10 ? 3 : -9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

int DrawCalendar::weekday(DayNumber day) {
    // Day 0 (30 December 1899) was a Saturday.
    return ((day + 6) % 7 + 7) % 7;
}

DayNumber DrawCalendar::roundToDay(double date) {
    return static_cast<DayNumber>(std::nearbyint(date));
}

std::string DrawCalendar::yyyymmdd(DayNumber day) {
    const CivilDate c = civil(day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", c.year, c.month, c.day);
    return buffer;
}

std::string DrawCalendar::isoDate(DayNumber day) {
    const CivilDate c = civil(day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", c.year, c.month, c.day);
    return buffer;
}

std::string DrawCalendar::shortDate(DayNumber day) {
    const CivilDate c = civil(day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", c.day, c.month, c.year);
    return buffer;
}

std::string DrawCalendar::drawDateText(DayNumber day) {
    const CivilDate c = civil(day);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, " %02d.%02d.%02d", c.day, c.month, c.year % 100);
    return names()[weekday(day)] + buffer;
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

void DrawCalendar::setWeekdayNames(const std::array<std::string, 7>& table) {
    names() = table;
}

const std::array<std::string, 7>& DrawCalendar::weekdayNames() {
    return names();
}

} // namespace powerball
