#include "draws/DrawFileLock.h"

#include <cerrno>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace powerball {

DrawFileLock::DrawFileLock(const std::filesystem::path& drawFile, std::chrono::milliseconds wait) {
    const std::filesystem::path file = lockFile(drawFile);
    errno = 0;
    m_descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_descriptor < 0)
        throw DrawFileError::fromErrno(file, "open the lock file");
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int reason = errno;
        if (reason != EWOULDBLOCK && reason != EINTR) {
            ::close(m_descriptor);
            errno = reason;
            throw DrawFileError::fromErrno(file, "lock the draw file with");
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::close(m_descriptor);
            throw DrawFileBusy(drawFile, "change",
                               "it is busy: another program is changing the draws; "
                               "nothing was changed, try again");
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

DrawFileLock::~DrawFileLock() {
    ::close(m_descriptor); // closing releases the lock
}

std::filesystem::path DrawFileLock::lockFile(const std::filesystem::path& drawFile) {
    std::filesystem::path file = drawFile;
    file += ".lock";
    return file;
}

} // namespace powerball
