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
    // Where the tip file dialogs open: the folder of the tip file saved or loaded last (kept
    // in the settings), else the user's documents folder, which the face names.
    std::filesystem::path lastTipFileFolder;
    std::filesystem::path documentsFolder;

    DrawHistory drawHistory() const { return DrawHistory(programFolder / drawFileName); }
    std::filesystem::path soundPath() const { return programFolder / soundFile; }
    // The hand-over files and the filled click scripts.
    std::filesystem::path tipFolder() const { return programFolder / "Tipps"; }
    // The click scripts the hand-over dialog offers.
    std::filesystem::path scriptFolder() const { return programFolder / "Script"; }
    // The folder a tip file dialog opens in: the last one while it still exists, else the
    // documents folder; empty when neither is known (the dialog's own choice).
    std::filesystem::path tipFileDialogFolder() const;
};

} // namespace powerball
