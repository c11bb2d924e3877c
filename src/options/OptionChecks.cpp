#include "options/OptionChecks.h"

#include "base/DrawCalendar.h"
#include "base/TextParsing.h"

namespace powerball {

namespace {

// Only ever sees a value wholeNumber() or isoDate() has passed.
int number(const std::string& text) {
    return parseInteger(text).value_or(0);
}

} // namespace

CLI::Validator isoDate() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const auto day = DrawCalendar::parseIsoDate(text);
            if (!day)
                return "\"" + text + "\" is not a date of the form yyyy-mm-dd";
            text = std::to_string(*day);
            return {};
        },
        "");
}

CLI::Validator notBeforeMinimumDate() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            if (number(text) < DrawCalendar::kMinimumDate)
                return "the earliest date is " + DrawCalendar::isoDate(DrawCalendar::kMinimumDate);
            return {};
        },
        "");
}

CLI::Validator wholeNumber() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const auto value = parseInteger(text);
            if (!value)
                return "\"" + text + "\" is not a whole number";
            text = std::to_string(*value);
            return {};
        },
        "");
}

CLI::Validator countAtLeast(int lowest) {
    return CLI::Validator(
        [lowest](std::string& text) -> std::string {
            if (number(text) < lowest)
                return "needs a count of " + std::to_string(lowest) + " or more";
            return {};
        },
        "");
}

CLI::Validator countFromTo(int lowest, int highest) {
    return CLI::Validator(
        [lowest, highest](std::string& text) -> std::string {
            const int value = number(text);
            if (value < lowest || value > highest)
                return "needs a count from " + std::to_string(lowest) + " to " +
                       std::to_string(highest);
            return {};
        },
        "");
}

} // namespace powerball
