#pragma once

#include "base/DrawCalendar.h"
#include "draws/DrawRecord.h"

#include <optional>
#include <string>

namespace powerball {

// The one rule for what a draw is, for every way a draw gets in (entry, import, the update,
// the update server's CSV) and for every record read from the draw file.
class DrawValidation {
public:
    static constexpr int kWhiteMin = 1;
    static constexpr int kWhiteMax = 69;
    static constexpr int kPowerballMin = 1;
    static constexpr int kPowerballMax = 42; // the largest Powerball drum the game has used
    static constexpr int kPowerPlayMin = 0;
    static constexpr int kPowerPlayMax = 11;

    // What makes a stored record unusable: a date that is no day number from 1 to the last
    // day held, or a number outside the ranges the draw file allows. Nothing when it is fine.
    static std::optional<std::string> recordProblem(const DrawRecord& record);

    // A new draw must also fall on a draw day of its time (Wednesday and Saturday, also
    // Monday from 23 August 2021), keep the number ranges of its time (DrawEras) and have
    // five different white numbers.
    static std::optional<std::string> newDrawProblem(const DrawRecord& record);

    // The parts of that rule on their own, for callers that word each reason differently.
    static std::optional<std::string> drawDayProblem(DayNumber day);
    static std::optional<std::string> eraProblem(const DrawRecord& record);

    // A draw read from outside (an imported file, the results feed) may not lie after today:
    // a draw from the future is a typing error, and once stored it would hide every real
    // draw before it from the update.
    static std::optional<std::string> afterTodayProblem(const DrawRecord& record, DayNumber today);

    // The same two rules for record bytes 8..15 alone, for a draw whose date is known good.
    using Numbers = std::array<std::uint8_t, 8>;
    static std::optional<std::string> numbersProblem(const Numbers& numbers);
    static std::optional<std::string> newNumbersProblem(const Numbers& numbers);

    // Two draws of one day are the same draw when their numbers are, whatever order the
    // white numbers come in.
    static bool sameDraw(const Numbers& a, const Numbers& b);
};

} // namespace powerball
