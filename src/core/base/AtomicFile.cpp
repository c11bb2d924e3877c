#include "base/AtomicFile.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace powerball {

namespace {

std::error_code lastError() {
    return {errno ? errno : EIO, std::generic_category()};
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes the rename itself durable; a failure here loses nothing, so it is not reported.
void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void replaceFileAtomically(const std::filesystem::path& target,
                           const std::filesystem::path& temporary, std::string_view bytes,
                           unsigned mode) {
    errno = 0;
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC,
                          mode == 0 ? 0666 : mode);
    if (fd < 0)
        throw AtomicFileError(lastError(), temporary, "create");
    struct stat old {};
    if (mode != 0)
        ::fchmod(fd, mode);
    else if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    const auto fail = [&](const char* step) {
        const std::error_code code = lastError();
        ::close(fd);
        ::unlink(temporary.c_str());
        throw AtomicFileError(code, temporary, step);
    };
    if (!writeAll(fd, bytes))
        fail("write");
    if (::fsync(fd) != 0)
        fail("flush to disk");
    if (::close(fd) != 0) {
        const std::error_code code = lastError();
        ::unlink(temporary.c_str());
        throw AtomicFileError(code, temporary, "close");
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const std::error_code code = lastError();
        ::unlink(temporary.c_str());
        throw AtomicFileError(code, target, "replace");
    }
    syncFolder(target.parent_path());
}

FileSaveError::FileSaveError(const std::filesystem::path& failedFile, const std::string& reason)
    : std::runtime_error("Cannot write \"" + failedFile.string() + "\": " + reason),
      file(failedFile) {}

void saveFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                        unsigned mode) {
    static std::atomic<unsigned> saves{0};
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(::getpid()) + "." + std::to_string(++saves) + ".tmp";
    try {
        replaceFileAtomically(target, temporary, bytes, mode);
    } catch (const AtomicFileError& failure) {
        throw FileSaveError(target, failure.code().message());
    }
}

} // namespace powerball
