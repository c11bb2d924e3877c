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
    // The hand-over file last written, which the click script is filled from; empty before
    // the first hand-over.
    std::filesystem::path handOverPath;

    DrawHistory drawHistory() const { return DrawHistory(programFolder / drawFileName); }
    std::filesystem::path soundPath() const { return programFolder / soundFile; }
    // The hand-over files and the filled click scripts.
    std::filesystem::path tipFolder() const { return programFolder / "Tipps"; }
    // The click scripts the hand-over dialog offers.
    std::filesystem::path scriptFolder() const { return programFolder / "Script"; }
};

} // namespace powerball
