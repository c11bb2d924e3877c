#include "base/FileReading.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace powerball {

namespace {

std::optional<std::string> kindName(mode_t mode) {
    if (S_ISREG(mode))
        return std::nullopt;
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a FIFO (named pipe)";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "no regular file";
}

std::string refusal(const std::string& kind) {
    return "it is " + kind + ", not a regular file";
}

} // namespace

FileReadError::FileReadError(const std::filesystem::path& failedFile, const std::string& why)
    : std::runtime_error("Cannot read \"" + failedFile.string() + "\": " + why), file(failedFile),
      reason(why) {}

std::optional<std::string> notARegularFile(const std::filesystem::path& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0)
        return std::nullopt;
    return kindName(status.st_mode);
}

RegularFile::RegularFile(const std::filesystem::path& file) : m_path(file) {
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait for one.
    m_descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (m_descriptor < 0)
        throw FileReadError(file, std::strerror(errno));
    struct stat status {};
    if (::fstat(m_descriptor, &status) != 0) {
        const int error = errno;
        ::close(m_descriptor);
        throw FileReadError(file, std::strerror(error));
    }
    if (const auto kind = kindName(status.st_mode)) {
        ::close(m_descriptor);
        throw FileReadError(file, refusal(*kind));
    }
    m_sizeAtOpening = static_cast<std::uintmax_t>(status.st_size);
}

RegularFile::~RegularFile() {
    ::close(m_descriptor);
}

std::uintmax_t RegularFile::currentSize() const {
    struct stat status {};
    if (::fstat(m_descriptor, &status) != 0)
        throw FileReadError(m_path, std::strerror(errno));
    return static_cast<std::uintmax_t>(status.st_size);
}

std::size_t RegularFile::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(m_descriptor, buffer, size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            throw FileReadError(m_path, std::strerror(errno));
    }
}

RegularFileBuffer::int_type RegularFileBuffer::underflow() {
    const std::size_t got = m_file.read(m_buffer, sizeof m_buffer);
    if (got == 0)
        return traits_type::eof();
    m_bytesRead += got;
    setg(m_buffer, m_buffer, m_buffer + got);
    return traits_type::to_int_type(m_buffer[0]);
}

std::string readFileBytes(const std::filesystem::path& file, std::size_t maxBytes) {
    RegularFile input(file);
    std::string bytes;
    char buffer[65536];
    while (bytes.size() < maxBytes) {
        const std::size_t got =
            input.read(buffer, std::min(sizeof buffer, maxBytes - bytes.size()));
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

} // namespace powerball
