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

// The common options before the verb, the verb, and the verb's own arguments.
struct CliOptions {
    std::optional<std::filesystem::path> folder;
    std::optional<std::filesystem::path> settings;
    std::optional<int> today; // day number
    bool json = false;
    std::vector<SettingOverride> overrides; // --set, taken before or after the verb
    std::string verb;
    std::vector<std::string> arguments;
};

CliOptions parseCommandLine(int argc, char** argv);

// Walks a verb's arguments: `--name value` pairs and plain positionals.
class ArgumentReader {
public:
    explicit ArgumentReader(const std::vector<std::string>& arguments);

    bool atEnd() const { return m_next >= m_arguments.size(); }
    const std::string& peek() const { return m_arguments[m_next]; }
    std::string take();
    std::string value(const std::string& option); // the value after an option
    int integerValue(const std::string& option);
    int dateValue(const std::string& option); // an ISO date as a day number

private:
    const std::vector<std::string>& m_arguments;
    std::size_t m_next = 0;
};

int parseDate(const std::string& text, const std::string& what);
int parseInteger(const std::string& text, const std::string& what);

} // namespace powerball::cli
