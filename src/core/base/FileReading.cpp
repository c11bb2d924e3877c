#include "base/FileReading.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace powerball {

FileReadError::FileReadError(const std::filesystem::path& failedFile, const std::string& reason)
    : std::runtime_error("Cannot read \"" + failedFile.string() + "\": " + reason),
      file(failedFile) {}

std::string readFileBytes(const std::filesystem::path& file, std::size_t maxBytes) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw FileReadError(file, std::strerror(errno));
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - bytes.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            throw FileReadError(file, std::strerror(error));
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

} // namespace powerball
