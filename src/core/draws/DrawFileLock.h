#pragma once

#include "draws/DrawFileError.h"

#include <chrono>
#include <filesystem>

namespace powerball {

// Another program (or another window) is changing the draw file right now.
class DrawFileBusy : public DrawFileError {
public:
    using DrawFileError::DrawFileError;
};

// The advisory lock that every writer of the draw file holds while it appends or rewrites:
// an exclusive lock on a lock file beside the draw file, so that it survives the rename of a
// rewrite. A writer that does not get it within the wait changes nothing and reports the
// file as busy. Readers take no lock: a rewrite replaces the file in one rename.
class DrawFileLock {
public:
    static constexpr std::chrono::milliseconds kDefaultWait{3000};

    // Throws DrawFileBusy when the lock stays taken for `wait`.
    explicit DrawFileLock(const std::filesystem::path& drawFile,
                          std::chrono::milliseconds wait = kDefaultWait);
    ~DrawFileLock();
    DrawFileLock(const DrawFileLock&) = delete;
    DrawFileLock& operator=(const DrawFileLock&) = delete;

    static std::filesystem::path lockFile(const std::filesystem::path& drawFile);

private:
    int m_descriptor = -1;
};

} // namespace powerball
