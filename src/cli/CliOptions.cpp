#include "CliOptions.h"

#include "base/DrawCalendar.h"
#include "rules/generator/CalculationSettings.h"
#include "rules/sheet/TipSheet.h"

namespace powerball::cli {

int parseDate(const std::string& text, const std::string& what) {
    const auto day = DrawCalendar::parseIsoDate(text);
    if (!day)
        throw UsageError(what + ": \"" + text + "\" is not a date of the form yyyy-mm-dd");
    return *day;
}

int parseInteger(const std::string& text, const std::string& what) {
    const auto value = powerball::parseInteger(text);
    if (!value)
        throw UsageError(what + ": \"" + text + "\" is not a whole number");
    return *value;
}

SettingOverride parseSettingOverride(const std::string& text) {
    const std::size_t equals = text.find('=');
    const std::string name = text.substr(0, equals);
    if (equals == std::string::npos || !CalculationSettings::find(name))
        throw UsageError("--set: \"" + text +
                         "\" is not NAME=VALUE with an option control such as UpDown12");
    return {name, parseInteger(text.substr(equals + 1), "--set " + name)};
}

} // namespace powerball::cli
