#pragma once

#include <filesystem>
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

void replaceFileAtomically(const std::filesystem::path& target,
                           const std::filesystem::path& temporary, std::string_view bytes);

} // namespace powerball
