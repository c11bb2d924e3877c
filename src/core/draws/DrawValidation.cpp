#include "draws/DrawValidation.h"

#include "draws/DrawCalendar.h"

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
    const DrawNumbers numbers = record.drawNumbers();
    for (int k = 1; k <= 5; ++k)
        if (auto problem = outside("the white number", numbers.white(k), kWhiteMin, kWhiteMax))
            return problem;
    if (numbers.slot(6) != 0)
        return "the sixth number slot holds " + std::to_string(numbers.slot(6)) + " instead of 0";
    if (auto problem = outside("the Powerball", numbers.powerball(), kPowerballMin, kPowerballMax))
        return problem;
    return outside("the Power Play", numbers.powerPlay(), kPowerPlayMin, kPowerPlayMax);
}

std::optional<std::string> DrawValidation::newDrawProblem(const DrawRecord& record) {
    if (auto problem = recordProblem(record))
        return problem;
    const DrawNumbers numbers = record.drawNumbers();
    for (int a = 1; a <= 5; ++a)
        for (int b = a + 1; b <= 5; ++b)
            if (numbers.white(a) == numbers.white(b))
                return "the white number " + std::to_string(numbers.white(a)) + " appears twice";
    return std::nullopt;
}

} // namespace powerball
