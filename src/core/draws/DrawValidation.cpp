#include "draws/DrawValidation.h"

#include "base/DrawCalendar.h"
#include "base/DrawEras.h"

#include <algorithm>
#include <cmath>

namespace powerball {

namespace {

std::optional<std::string> outside(const char* what, int value, int min, int max) {
    if (value >= min && value <= max)
        return std::nullopt;
    return std::string(what) + " " + std::to_string(value) + " lies outside " +
           std::to_string(min) + ".." + std::to_string(max);
}

} // namespace

std::optional<std::string> DrawValidation::recordProblem(const DrawRecord& record) {
    // NaN fails every comparison, so the test is written to let only good dates through.
    if (!(std::isfinite(record.date) && record.date >= 1 &&
          record.date <= DrawCalendar::kLatestDate))
        return "the date is not a day number from 1 to " +
               std::to_string(DrawCalendar::kLatestDate);
    return numbersProblem(record.numbers);
}

std::optional<std::string> DrawValidation::newDrawProblem(const DrawRecord& record) {
    if (auto problem = recordProblem(record))
        return problem;
    if (auto problem = drawDayProblem(DrawCalendar::roundToDay(record.date)))
        return problem;
    if (auto problem = newNumbersProblem(record.numbers))
        return problem;
    return eraProblem(record);
}

std::optional<std::string> DrawValidation::drawDayProblem(DayNumber day) {
    if (DrawCalendar::isDrawDay(day))
        return std::nullopt;
    static constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                "Thursday", "Friday", "Saturday"};
    return DrawCalendar::isoDate(day) + " is a " + kWeekdays[DrawCalendar::weekday(day)] +
           ", no draw day: draws are on Wednesdays and Saturdays, since " +
           DrawCalendar::isoDate(DrawCalendar::kMondayDrawsFrom) + " on Mondays too";
}

std::optional<std::string> DrawValidation::eraProblem(const DrawRecord& record) {
    const DayNumber day = DrawCalendar::roundToDay(record.date);
    const DrawEra& era = drawEraOn(day);
    const std::string when = " on " + DrawCalendar::isoDate(day);
    for (std::size_t k = 0; k < 5; ++k)
        if (auto problem =
                outside("the white number", record.numbers[k], kWhiteMin, era.highestWhite))
            return *problem + when;
    if (auto problem =
            outside("the Powerball", record.numbers[6], kPowerballMin, era.highestPowerball))
        return *problem + when;
    return std::nullopt;
}

std::optional<std::string> DrawValidation::afterTodayProblem(const DrawRecord& record,
                                                             DayNumber today) {
    if (record.date <= today)
        return std::nullopt;
    return DrawCalendar::isoDate(DrawCalendar::roundToDay(record.date)) + " lies after today, " +
           DrawCalendar::isoDate(today);
}

std::optional<std::string> DrawValidation::numbersProblem(const Numbers& numbers) {
    for (std::size_t k = 0; k < 5; ++k)
        if (auto problem = outside("the white number", numbers[k], kWhiteMin, kWhiteMax))
            return problem;
    if (numbers[5] != 0)
        return "the sixth number slot holds " + std::to_string(numbers[5]) + " instead of 0";
    if (auto problem = outside("the Powerball", numbers[6], kPowerballMin, kPowerballMax))
        return problem;
    return outside("the Power Play", numbers[7], kPowerPlayMin, kPowerPlayMax);
}

std::optional<std::string> DrawValidation::newNumbersProblem(const Numbers& numbers) {
    if (auto problem = numbersProblem(numbers))
        return problem;
    for (std::size_t a = 0; a < 5; ++a)
        for (std::size_t b = a + 1; b < 5; ++b)
            if (numbers[a] == numbers[b])
                return "the white number " + std::to_string(numbers[a]) + " appears twice";
    return std::nullopt;
}

bool DrawValidation::sameDraw(const Numbers& a, const Numbers& b) {
    Numbers left = a;
    Numbers right = b;
    std::sort(left.begin(), left.begin() + 5);
    std::sort(right.begin(), right.begin() + 5);
    return left == right;
}

} // namespace powerball
