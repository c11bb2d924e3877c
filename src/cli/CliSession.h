#pragma once

#include "CliOptions.h"

#include "app/AppState.h"
#include "app/ProgramFolder.h"
#include "app/language/LanguageChoice.h"
#include "platform/registry/RegistryFileStore.h"
#include "ports/Ports.h"

#include <memory>
#include <vector>

namespace powerball::cli {

// Counts the sounds a command plays instead of playing them.
class RecordingSoundPlayer : public SoundPlayer {
public:
    void play(const std::filesystem::path& file) override { played.push_back(file); }
    std::vector<std::filesystem::path> played;
};

// Messages meant for a message box go to standard error.
class StderrPrompts : public UserPrompts {
public:
    void showMessage(const std::string& text) override;
};

// The main window's state without a window: started up the way the window starts, on the
// program folder, day and settings file the command line names, with the --set overrides
// applied afterwards.
class CliSession {
public:
    explicit CliSession(const CliOptions& options);

    ProgramFolder programFolder;
    AppState state;
    Ports ports;
    RecordingSoundPlayer sound;
    // The caption texts of the language in use; none without the language files.
    std::optional<CaptionTexts> captions;
    RegistryFileStore& settingsStore() { return *m_settings; }

    // Writes every setting back, as the window does when it closes; a store that cannot
    // keep them is a data error. A note about a copy kept of the old file goes to stderr.
    void saveSettings();

private:
    StderrPrompts m_prompts;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<RegistryFileStore> m_settings;
};

std::filesystem::path executableFolder();

// The settings file of --settings, else the user's own; a note about a damaged or
// unreadable file goes to standard error.
std::unique_ptr<RegistryFileStore> openSettingsStore(const CliOptions& options);

} // namespace powerball::cli
