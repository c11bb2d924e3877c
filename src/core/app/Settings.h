#pragma once

#include "app/AppState.h"
#include "ports/RegistryKey.h"
#include "ports/RegistryStore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace powerball {

// One persisted value as the program holds it: a check box or radio button, an integer, a
// text, or a date as a day number.
using SettingValue = std::variant<bool, std::int32_t, std::string, double>;
// The kinds in the order of SettingValue's alternatives.
enum class SettingKind { Flag, Integer, Text, Date };

struct NamedSetting {
    std::string name; // the registry value name
    SettingValue value;
    bool operator==(const NamedSetting&) const = default;
};

// Every setting survives a restart in one key of the current user's registry. Each value is
// named after the control that holds it; the names, types and order are those earlier
// versions of the program stored, so existing settings keep working.
class Settings {
public:
    static constexpr const char* kKey = "SOFTWARE\\Velmar\\PowerBall";

    // Reads every setting into the state while the main window is created. The groups are
    // independent: a value of the wrong type ends its group, and the values after it keep
    // their defaults. The tip check is switched on once "Browser" is read. A note of the
    // store about itself goes to the status bar.
    static void restore(AppState& state, RegistryStore& store);

    // Writes every setting back when the main window closes; the window size only while the
    // window is in its normal state, the ticket number never. Returns the reason when the
    // store could not keep them.
    static std::optional<std::string> save(const AppState& state, RegistryStore& store);

    // Every persisted value as the state holds it, in the order save writes them, with the
    // ticket number, which is only read, first.
    static std::vector<NamedSetting> values(const AppState& state);
    // The kind of a persisted value; nothing for a name that is not persisted.
    static std::optional<SettingKind> kindOf(std::string_view name);
    static SettingKind kindOfValue(const SettingValue& value);
    // Writes one value with the type its control keeps it in.
    static void write(RegistryKey& key, const NamedSetting& setting);

    // Sets an option control as the user would; the limit of generator runs follows
    // "Maximale Berechnungsläufe". Returns false for a name that is no option.
    static bool setOption(AppState& state, std::string_view name, int value);
};

} // namespace powerball
