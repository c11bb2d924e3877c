// A preloaded library that makes writes to chosen files fail as a full or broken disk would:
// write, pwrite and writev on a file whose path contains FAULTSHIM_PATH succeed for
// FAULTSHIM_AFTER bytes in all (a short count at the edge), then fail with FAULTSHIM_ERRNO
// (ENOSPC or EIO); FAULTSHIM_OPS names the failing calls among "write", "fsync" and "rename"
// (all three when unset). fsync and fdatasync fail on such a file, rename when either name
// matches. Without FAULTSHIM_PATH nothing changes.
//
// With FAULTSHIM_KILL_AT=N no call fails: the process kills itself with SIGKILL just before
// its Nth call that changes a matching file or folder (write, pwrite, writev, ftruncate,
// fsync, fdatasync, rename, renameat, unlink, unlinkat, remove), as a kill from outside
// would end it there. Every such call is a point where the files can be left, so N from 1 up
// to the first run that ends on its own goes through each, on any machine, however loaded.
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

const char* pattern() {
    static const char* value = std::getenv("FAULTSHIM_PATH");
    return value && *value ? value : nullptr;
}

bool failing(const char* operation) {
    static const char* ops = std::getenv("FAULTSHIM_OPS");
    return !ops || std::strstr(ops, operation) != nullptr;
}

int failure() {
    static const char* name = std::getenv("FAULTSHIM_ERRNO");
    return name && std::strcmp(name, "EIO") == 0 ? EIO : ENOSPC;
}

// Bytes still allowed through; shared by every matching file of the process.
std::atomic<long long>& budget() {
    static std::atomic<long long> left{[] {
        const char* after = std::getenv("FAULTSHIM_AFTER");
        return after ? std::atoll(after) : 0LL;
    }()};
    return left;
}

bool matches(const char* path) {
    return pattern() && path && std::strstr(path, pattern()) != nullptr;
}

bool matchesFd(int fd) {
    if (!pattern())
        return false;
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char path[4096];
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    if (length <= 0)
        return false;
    path[length] = '\0';
    return matches(path);
}

// A name relative to a folder's descriptor (or to the current folder), for the calls that
// take both: it matches when the name or the folder does.
bool matchesAt(int folder, const char* name) {
    if (!pattern() || !name)
        return false;
    if (matches(name) || name[0] == '/')
        return matches(name);
    if (folder != AT_FDCWD)
        return matchesFd(folder);
    char path[4096];
    const ssize_t length = ::readlink("/proc/self/cwd", path, sizeof path - 1);
    if (length <= 0)
        return false;
    path[length] = '\0';
    return matches(path);
}

long long killAt() {
    static const long long value = [] {
        const char* at = std::getenv("FAULTSHIM_KILL_AT");
        return at && *at ? std::atoll(at) : 0LL;
    }();
    return value;
}

// In the kill mode, counts a call that changes a matching file; the Nth one never runs.
// True when the shim is in that mode: then no call fails.
bool killPoint(bool matching) {
    if (killAt() <= 0)
        return false;
    static std::atomic<long long> seen{0};
    if (matching && ++seen == killAt())
        ::kill(::getpid(), SIGKILL);
    return true;
}

template <typename F> F next(const char* name) {
    return reinterpret_cast<F>(::dlsym(RTLD_NEXT, name));
}

// How many of `count` bytes may go through; -1 with errno set when none may.
ssize_t allowed(int fd, size_t count) {
    if (killPoint(count > 0 && matchesFd(fd)) || !failing("write") || !matchesFd(fd))
        return static_cast<ssize_t>(count);
    long long left = budget().load();
    while (left > 0) {
        const long long take = left < static_cast<long long>(count) ? left : count;
        if (budget().compare_exchange_weak(left, left - take))
            return static_cast<ssize_t>(take);
    }
    errno = failure();
    return -1;
}

} // namespace

extern "C" {

ssize_t write(int fd, const void* data, size_t count) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t)>("write");
    const ssize_t take = count == 0 ? 0 : allowed(fd, count);
    return take < 0 ? -1 : real(fd, data, static_cast<size_t>(take));
}

ssize_t pwrite(int fd, const void* data, size_t count, off_t offset) {
    static const auto real = next<ssize_t (*)(int, const void*, size_t, off_t)>("pwrite");
    const ssize_t take = count == 0 ? 0 : allowed(fd, count);
    return take < 0 ? -1 : real(fd, data, static_cast<size_t>(take), offset);
}

ssize_t pwrite64(int fd, const void* data, size_t count, off_t offset) {
    return pwrite(fd, data, count, offset);
}

ssize_t writev(int fd, const struct iovec* parts, int count) {
    static const auto real = next<ssize_t (*)(int, const struct iovec*, int)>("writev");
    size_t total = 0;
    for (int k = 0; k < count; ++k)
        total += parts[k].iov_len;
    const ssize_t take = total == 0 ? 0 : allowed(fd, total);
    if (take < 0)
        return -1;
    if (static_cast<size_t>(take) == total)
        return real(fd, parts, count);
    // A short write: only the first `take` bytes go out.
    static const auto realWrite = next<ssize_t (*)(int, const void*, size_t)>("write");
    ssize_t done = 0;
    for (int k = 0; k < count && done < take; ++k) {
        const size_t part =
            static_cast<size_t>(take - done) < parts[k].iov_len ? take - done : parts[k].iov_len;
        const ssize_t wrote = realWrite(fd, parts[k].iov_base, part);
        if (wrote < 0)
            return done > 0 ? done : -1;
        done += wrote;
    }
    return done;
}

int fsync(int fd) {
    static const auto real = next<int (*)(int)>("fsync");
    if (!killPoint(matchesFd(fd)) && failing("fsync") && matchesFd(fd)) {
        errno = failure();
        return -1;
    }
    return real(fd);
}

int fdatasync(int fd) {
    static const auto real = next<int (*)(int)>("fdatasync");
    if (!killPoint(matchesFd(fd)) && failing("fsync") && matchesFd(fd)) {
        errno = failure();
        return -1;
    }
    return real(fd);
}

int rename(const char* from, const char* to) {
    static const auto real = next<int (*)(const char*, const char*)>("rename");
    const bool matching = matchesAt(AT_FDCWD, from) || matchesAt(AT_FDCWD, to);
    if (!killPoint(matching) && failing("rename") && matching) {
        errno = failure();
        return -1;
    }
    return real(from, to);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    static const auto real = next<int (*)(int, const char*, int, const char*)>("renameat");
    const bool matching = matchesAt(fromFolder, from) || matchesAt(toFolder, to);
    if (!killPoint(matching) && failing("rename") && matching) {
        errno = failure();
        return -1;
    }
    return real(fromFolder, from, toFolder, to);
}

// Truncations and removals are kill points only; they never fail.
int ftruncate(int fd, off_t length) {
    static const auto real = next<int (*)(int, off_t)>("ftruncate");
    killPoint(matchesFd(fd));
    return real(fd, length);
}

int ftruncate64(int fd, off_t length) {
    return ftruncate(fd, length);
}

int unlink(const char* path) {
    static const auto real = next<int (*)(const char*)>("unlink");
    killPoint(matchesAt(AT_FDCWD, path));
    return real(path);
}

int unlinkat(int folder, const char* path, int flags) {
    static const auto real = next<int (*)(int, const char*, int)>("unlinkat");
    killPoint(matchesAt(folder, path));
    return real(folder, path, flags);
}

int remove(const char* path) {
    static const auto real = next<int (*)(const char*)>("remove");
    killPoint(matchesAt(AT_FDCWD, path));
    return real(path);
}

} // extern "C"
