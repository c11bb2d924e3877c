#pragma once

#include "ports/Shell.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace powerball::testing {

// Records what a command asks the desktop to show or start, and starts nothing; a start
// fails with `startFailure` when a test sets it.
class RecordingShell : public Shell {
public:
    struct Start {
        std::filesystem::path program;
        std::vector<std::string> arguments;
    };

    void open(const std::string& target) override { opened.push_back(target); }
    std::optional<std::string> startDetached(const std::filesystem::path& program,
                                             const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
        return startFailure;
    }

    std::vector<std::string> opened;
    std::vector<Start> started;
    std::optional<std::string> startFailure; // what a failed start says; nothing: it started
};

} // namespace powerball::testing
