#pragma once

#include "draws/DrawHistory.h"

#include <filesystem>
#include <string>

namespace powerball {

// Where the program lives and the files it keeps there.
struct ProgramFiles {
    std::filesystem::path programFolder;
    std::string drawFileName{DrawHistory::kFileName};
    std::string soundFile = "yippee.wav";

    DrawHistory drawHistory() const { return DrawHistory(programFolder / drawFileName); }
    std::filesystem::path soundPath() const { return programFolder / soundFile; }
};

} // namespace powerball
