#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>

namespace powerball {

// Replaces `target` with `bytes` so that a reader sees the old file or the new one, never a
// torn one: the bytes go to `temporary` beside the target, are flushed to disk, and the
// temporary is renamed over the target; the folder is synced last. The target is never
// deleted first, and it keeps its permission bits. On failure the temporary is removed and
// AtomicFileError tells which step failed and why.
struct AtomicFileError : std::system_error {
    AtomicFileError(std::error_code code, std::filesystem::path failedFile, const char* step)
        : std::system_error(code, step), file(std::move(failedFile)), operation(step) {}
    std::filesystem::path file; // the temporary for the write steps, the target for the rename
    const char* operation;      // "create", "write", "flush to disk", "close", "replace"
};

// `mode`: 0 keeps the bits of an existing target and gives a new one the usual 0666 less the
// umask; any other value is set on the file whatever it had, for files only its owner may read.
void replaceFileAtomically(const std::filesystem::path& target,
                           const std::filesystem::path& temporary, std::string_view bytes,
                           unsigned mode = 0);

// A file the program writes whole (a tip file, a listing, a filled script) that could not be
// written; the message names the file and the system's reason, and the old file is intact.
class FileSaveError : public std::runtime_error {
public:
    FileSaveError(const std::filesystem::path& file, const std::string& reason);
    std::filesystem::path file;
};

// replaceFileAtomically with a temporary name of its own beside the target, so that two
// saves at once never share one; a failure becomes a FileSaveError.
void saveFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                        unsigned mode = 0);

} // namespace powerball
