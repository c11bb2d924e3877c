#pragma once

#include "CliOptions.h"

#include "app/AppState.h"
#include "platform/Ports.h"

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
// program folder and day the command line names.
class CliSession {
public:
    explicit CliSession(const CliOptions& options);

    AppState state;
    Ports ports;
    RecordingSoundPlayer sound;

private:
    StderrPrompts m_prompts;
    std::unique_ptr<Clock> m_clock;
};

std::filesystem::path executableFolder();

} // namespace powerball::cli
