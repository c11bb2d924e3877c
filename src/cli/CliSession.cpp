#include "CliSession.h"

#include "app/AppShell.h"
#include "app/Settings.h"
#include "app/language/LanguageChoice.h"

#include <iostream>
#include <stdexcept>

namespace powerball::cli {

void StderrPrompts::showMessage(const std::string& text) {
    std::cerr << text << '\n';
}

std::filesystem::path executableFolder() {
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

namespace {

// "Sprache" as the settings file holds it; nothing when it holds none or cannot be read.
std::optional<int> storedLanguage(RegistryStore& store) {
    try {
        return RegistryKey(store, Settings::kKey).readInteger("Sprache");
    } catch (const RegistryError&) {
        return std::nullopt;
    }
}

} // namespace

CliSession::CliSession(const CliOptions& options) {
    if (options.today)
        m_clock = std::make_unique<FixedClock>(*options.today);
    else
        m_clock = std::make_unique<SystemClock>();
    ports.clock = m_clock.get();
    ports.sound = &sound;
    ports.prompts = &m_prompts;
    m_settings = openSettingsStore(options);
    ports.registry = m_settings.get();
    // Absolute, as the paths the commands hand to other programs (the click tool) must not
    // depend on their working folder.
    programFolder = ProgramFolder::choose(options.folder, executableFolder(),
                                          ProgramFolder::Environment::ofProcess());
    if (const auto failure = programFolder.prepare())
        std::cerr << *failure << '\n';
    AppShell::startUp(state, ports, programFolder.folder);
    // One language for every text: --lang, else the settings' language, else the locale's.
    captions =
        loadLanguage(state, options.language ? *options.language
                                             : startLanguage(storedLanguage(*m_settings),
                                                             LocaleEnvironment::ofProcess()));
    for (const SettingOverride& option : options.overrides)
        Settings::setOption(state, option.name, option.value);
}

void CliSession::saveSettings() {
    if (const auto failure = Settings::save(state, *m_settings))
        throw std::runtime_error(*failure);
    if (const std::string note = m_settings->takeSaveNotice(); !note.empty())
        std::cerr << note << '\n';
}

std::unique_ptr<RegistryFileStore> openSettingsStore(const CliOptions& options) {
    auto store = std::make_unique<RegistryFileStore>(
        options.settings.value_or(RegistryFileStore::defaultPath()));
    if (const std::string notice = store->notice(); !notice.empty())
        std::cerr << notice << '\n';
    return store;
}

} // namespace powerball::cli
