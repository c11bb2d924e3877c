#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace powerball {

// Fills the user's own data folder from the data an installed program ships
// (`share/velmar-powerball/`): the draw file made from the bundled history, the sound, the
// languages and the example click scripts. What the user made or changed is never
// overwritten: a later package renews only a file the user still has exactly as an earlier
// package placed it (a language file with new messages, say). When a later package ships a
// longer history, its draws after the last date of the history seeded before are added where
// the user's file lacks their date; nothing else of the file changes, so the user's own
// entries, corrections and deletions stay.
class UserFolderSeed {
public:
    // The bundled history, as the package installs it.
    static constexpr std::string_view kHistoryFile = "powerball-draws.csv";
    // Size, checksum and last date of the bundled history last merged; another size or
    // checksum means a new package.
    static constexpr std::string_view kStampFile = ".bundled-history";
    // The checksums of the other shipped files as placed, to tell them from the user's.
    static constexpr std::string_view kPlacedFilesFile = ".bundled-files";
    // Locked while a start seeds the folder, so that starts at once seed one after another.
    static constexpr std::string_view kLockFile = ".seed.lock";

    struct Report {
        bool folderCreated = false;
        bool installedDataFound = false;
        bool historyMerged = false; // false: the same bundled history as the last start
        std::size_t drawsAdded = 0;
        std::vector<std::filesystem::path> filesCopied;  // relative to the folder
        std::vector<std::filesystem::path> filesRenewed; // the old package's, unchanged
    };

    // Throws std::runtime_error with a message naming the file and the reason when the
    // folder cannot be made or a file cannot be placed; what was placed before stays. Runs
    // under a lock in the folder, so several starts at once all succeed.
    static Report seed(const std::filesystem::path& userFolder,
                       const std::filesystem::path& installedData);
};

} // namespace powerball
