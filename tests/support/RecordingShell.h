#pragma once

#include "ports/Shell.h"

#include <filesystem>
#include <string>
#include <vector>

namespace powerball::testing {

// Records what a command asks the desktop to show or start, and starts nothing.
class RecordingShell : public Shell {
public:
    struct Start {
        std::filesystem::path program;
        std::vector<std::string> arguments;
    };

    void open(const std::string& target) override { opened.push_back(target); }
    void startDetached(const std::filesystem::path& program,
                       const std::vector<std::string>& arguments) override {
        started.push_back({program, arguments});
    }

    std::vector<std::string> opened;
    std::vector<Start> started;
};

} // namespace powerball::testing
