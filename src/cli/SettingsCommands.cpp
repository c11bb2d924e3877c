#include "CheckOutput.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "app/Settings.h"

#include <iomanip>
#include <memory>
#include <ostream>

namespace powerball::cli {

namespace {

Json settingJson(const SettingValue& value) {
    return std::visit(
        [](const auto& held) -> Json {
            if constexpr (std::is_same_v<std::decay_t<decltype(held)>, double>)
                return isoDay(held);
            else
                return held;
        },
        value);
}

// The text form, which `settings set` reads back: check boxes as 0 or 1, dates as ISO dates.
std::string settingText(const SettingValue& value) {
    return std::visit(
        [](const auto& held) -> std::string {
            using T = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<T, std::string>)
                return held;
            else if constexpr (std::is_same_v<T, double>)
                return isoDay(held);
            else
                return std::to_string(static_cast<int>(held));
        },
        value);
}

// The caption of a control in the language in use, else its hint; empty without either.
std::string captionOf(const std::optional<CaptionTexts>& captions, std::string_view control) {
    if (!captions)
        return {};
    for (std::size_t k = 0; k < captions->records.size(); ++k)
        if (captions->records[k].control == control) {
            const std::string& caption = captions->caption(k);
            return caption.empty() ? captions->hint(k) : caption;
        }
    return {};
}

// NAME=VALUE first, as `settings set` takes it; an option adds its readable name and its
// caption in the language in use, without the accelerator's mark.
void printSettings(const std::vector<NamedSetting>& settings, bool json, std::ostream& out,
                   const std::optional<CaptionTexts>& captions = std::nullopt) {
    if (!json) {
        for (const NamedSetting& setting : settings) {
            const std::string line = setting.name + '=' + settingText(setting.value);
            const OptionControl* control = CalculationSettings::find(setting.name);
            if (!control) {
                out << line << '\n';
                continue;
            }
            std::string caption = captionOf(captions, control->control);
            std::erase(caption, '&');
            out << std::left << std::setw(16) << line << ' ' << std::setw(28)
                << control->readableName << ' ' << caption << '\n';
            out << std::right;
        }
        return;
    }
    Json object = Json::object();
    for (const NamedSetting& setting : settings)
        object[setting.name] = settingJson(setting.value);
    out << object.dump() << '\n';
}

// A registry value name, or the control name of an option.
std::string valueName(const std::string& name) {
    if (Settings::kindOf(name))
        return name;
    if (const OptionControl* control = CalculationSettings::find(name))
        return std::string(control->valueName);
    throw UsageError("settings set: no setting is named " + name);
}

SettingValue parseSetting(const std::string& name, const std::string& text) {
    switch (*Settings::kindOf(name)) {
    case SettingKind::Flag:
        return parseInteger(text, name) != 0;
    case SettingKind::Integer:
        return parseInteger(text, name);
    case SettingKind::Date:
        return static_cast<double>(parseDate(text, name));
    case SettingKind::Text:
        break;
    }
    return text;
}

int showSettings(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    printSettings(Settings::values(session.state), options.json, out, session.captions);
    return 0;
}

int saveSettings(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    session.saveSettings();
    const std::string file = session.settingsStore().path().string();
    if (options.json)
        out << Json{{"saved", file}}.dump() << '\n';
    else
        out << said(session.state, Msg::CliSettingsSaved, {file}) << '\n';
    return 0;
}

// Writes the value as it stands; the control clamps it when the settings are next restored.
int setSetting(const CliOptions& options, const std::string& name, const std::string& text,
               std::ostream& out) {
    const NamedSetting setting{valueName(name), parseSetting(valueName(name), text)};
    const auto store = openSettingsStore(options);
    RegistryKey key(*store, Settings::kKey);
    Settings::write(key, setting);
    key.close();
    printSettings({setting}, options.json, out);
    return 0;
}

} // namespace

void addSettingsCommands(CommandLine& commandLine) {
    CLI::App* settings = commandLine.addGroup("settings", "the stored settings");
    commandLine.add(*settings, "show", "every stored setting as the program takes it",
                    showSettings);
    commandLine.add(*settings, "save", "store the settings back as the program holds them",
                    saveSettings);
    auto setting = std::make_shared<std::pair<std::string, std::string>>();
    CLI::App* set =
        commandLine.add(*settings, "set", "store one value (dates as YYYY-MM-DD)",
                        [setting](const CliOptions& options, std::ostream& out) {
                            return setSetting(options, setting->first, setting->second, out);
                        });
    set->add_option("NAME", setting->first,
                    "a registry value, an option control or its readable name (see settings show)")
        ->required();
    set->add_option("VALUE", setting->second, "the value")->required();
}

} // namespace powerball::cli
