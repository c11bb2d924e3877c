#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace powerball::cli {

// A wrong command line: exit code 1.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// `--set NAME=VALUE`: one option control set for this run, as if the user had set it after
// the settings were restored. NAME is a control name such as CheckBox2, UpDown12 or
// RadioButton3.
struct SettingOverride {
    std::string name;
    int value = 0;
};
SettingOverride parseSettingOverride(const std::string& text);

// The common options before the verb, and --set from before or after it.
struct CliOptions {
    std::optional<std::filesystem::path> folder;
    std::optional<std::filesystem::path> settings;
    std::optional<int> today; // day number
    bool json = false;
    // --quiet: no progress of long commands on a terminal.
    bool quiet = false;
    // --verbose: the text output shows the empty rows, a count of no sounds and empty status.
    bool verbose = false;
    // --lang: the language whose message file the commands speak; without it the language
    // of the settings file, else of the user's locale, else English.
    std::optional<int> language;
    std::vector<SettingOverride> overrides;
};

int parseDate(const std::string& text, const std::string& what);
int parseInteger(const std::string& text, const std::string& what);

} // namespace powerball::cli
