#include "CliOptions.h"

#include "base/DrawCalendar.h"
#include "generator/CalculationSettings.h"
#include "sheet/TipSheet.h"

namespace powerball::cli {

int parseDate(const std::string& text, const std::string& what) {
    const auto day = DrawCalendar::parseIsoDate(text);
    if (!day)
        throw UsageError(what + ": \"" + text + "\" is not a date of the form yyyy-mm-dd");
    return *day;
}

int parseInteger(const std::string& text, const std::string& what) {
    const auto value = TipSheet::parseInteger(text);
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

CliOptions parseCommandLine(int argc, char** argv) {
    CliOptions options;
    int k = 1;
    const auto valueOf = [&](const std::string& option) -> std::string {
        if (k + 1 >= argc)
            throw UsageError(option + " needs a value");
        return argv[++k];
    };
    for (; k < argc; ++k) {
        const std::string argument = argv[k];
        if (argument == "--folder")
            options.folder = valueOf(argument);
        else if (argument == "--settings")
            options.settings = valueOf(argument);
        else if (argument == "--today")
            options.today = parseDate(valueOf(argument), "--today");
        else if (argument == "--json")
            options.json = true;
        else if (argument == "--set")
            options.overrides.push_back(parseSettingOverride(valueOf(argument)));
        else if (argument.starts_with("--"))
            throw UsageError("unknown option " + argument);
        else
            break;
    }
    if (k >= argc)
        throw UsageError("no command given");
    options.verb = argv[k++];
    for (; k < argc; ++k) {
        if (std::string(argv[k]) == "--set")
            options.overrides.push_back(parseSettingOverride(valueOf("--set")));
        else
            options.arguments.emplace_back(argv[k]);
    }
    return options;
}

ArgumentReader::ArgumentReader(const std::vector<std::string>& arguments)
    : m_arguments(arguments) {}

std::string ArgumentReader::take() {
    return m_arguments[m_next++];
}

std::string ArgumentReader::value(const std::string& option) {
    if (atEnd())
        throw UsageError(option + " needs a value");
    return take();
}

int ArgumentReader::integerValue(const std::string& option) {
    return parseInteger(value(option), option);
}

int ArgumentReader::dateValue(const std::string& option) {
    return parseDate(value(option), option);
}

} // namespace powerball::cli
