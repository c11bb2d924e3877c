#include "platform/registry/RegistryFileStore.h"

#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "platform/registry/RegistryFileFormat.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace powerball {

namespace {

std::string systemError() {
    return std::strerror(errno);
}

std::string quote(const std::filesystem::path& path) {
    return "\"" + path.string() + "\"";
}

// Through a descriptor that never blocks: a FIFO in the settings file's place is refused.
std::string readBytes(const std::filesystem::path& file) {
    try {
        RegularFile input(file);
        std::string bytes;
        char buffer[65536];
        while (const std::size_t got = input.read(buffer, sizeof buffer))
            bytes.append(buffer, got);
        return bytes;
    } catch (const FileReadError& failure) {
        throw RegistryError("Cannot read " + quote(file) + ": " + failure.reason);
    }
}

std::string fullKey(const std::string& key) {
    return std::string(RegistryFileStore::kRoot) + key;
}

// Held for a save's read-merge-write, so that two programs saving at once each lay their
// values over the other's file instead of the last rename dropping the first one's values.
class SaveLock {
public:
    SaveLock(const std::filesystem::path& settingsFile, std::chrono::milliseconds wait,
             const std::function<void()>& whileHeld) {
        std::filesystem::path file = settingsFile;
        file += ".lock";
        std::error_code error;
        if (!file.parent_path().empty())
            std::filesystem::create_directories(file.parent_path(), error);
        m_descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (m_descriptor < 0)
            throw RegistryError("Cannot open the lock file " + quote(file) + ": " + systemError());
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int reason = errno;
            if (reason != EWOULDBLOCK && reason != EINTR) {
                ::close(m_descriptor);
                throw RegistryError("Cannot lock " + quote(file) + ": " + std::strerror(reason));
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                ::close(m_descriptor);
                throw RegistryError("Cannot save the settings to " + quote(settingsFile) +
                                    ": it is busy, another program is saving it; nothing was "
                                    "saved, try again");
            }
            if (whileHeld)
                whileHeld();
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    ~SaveLock() { ::close(m_descriptor); } // closing releases the lock
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

private:
    int m_descriptor = -1;
};

// "registry.reg.PID.N.tmp": the temporary of a save that was killed before its rename.
bool isSaveTemporary(const std::string& name, const std::string& fileName) {
    if (!name.starts_with(fileName + ".") || !name.ends_with(".tmp"))
        return false;
    const std::string middle =
        name.substr(fileName.size() + 1, name.size() - fileName.size() - 1 - 4);
    const auto dot = middle.find('.');
    const auto digits = [](std::string_view part) {
        return !part.empty() && part.find_first_not_of("0123456789") == std::string_view::npos;
    };
    return dot != std::string::npos && digits(std::string_view(middle).substr(0, dot)) &&
           digits(std::string_view(middle).substr(dot + 1));
}

// Only called under the save lock: no other save is between its write and its rename then.
void removeLeftoverTemporaries(const std::filesystem::path& target) {
    const std::filesystem::path folder =
        target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    const std::string fileName = target.filename().string();
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error))
        if (isSaveTemporary(entry.path().filename().string(), fileName))
            std::filesystem::remove(entry.path(), error);
}

} // namespace

RegistryFileStore::RegistryFileStore(std::filesystem::path file) : m_path(std::move(file)) {
    try {
        m_content = readFile();
    } catch (const RegistryError& error) {
        m_unwritable = error.what();
        m_notice = "Die Einstellungen aus " + quote(m_path) + " sind nicht lesbar (" +
                   error.what() + "); es gelten die Standardwerte, gespeichert wird nicht.";
    }
}

std::filesystem::path RegistryFileStore::defaultPath() {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : nullptr;
    }
    return defaultPathFor(std::getenv("XDG_CONFIG_HOME"), home);
}

std::filesystem::path RegistryFileStore::defaultPathFor(const char* configHome, const char* home) {
    std::filesystem::path config;
    if (configHome && std::filesystem::path(configHome).is_absolute()) {
        config = configHome;
    } else {
        if (!home || !*home)
            throw RegistryError("No home folder to keep the settings in");
        config = std::filesystem::path(home) / ".config";
    }
    return config / "Velmar" / "registry.reg";
}

MemoryRegistryStore RegistryFileStore::readFile() {
    std::error_code error;
    if (!std::filesystem::exists(m_path, error) && !error)
        return {};
    const std::string bytes = readBytes(m_path);
    try {
        return RegistryFileFormat::parse(bytes);
    } catch (const RegistryFormatError& damage) {
        const std::filesystem::path aside = keepAside(damage.what());
        m_notice = "Die Einstellungsdatei " + quote(m_path) + " war beschädigt (" + damage.what() +
                   ") und liegt jetzt als " + quote(aside) + "; es gelten die Standardwerte.";
        return {};
    }
}

// The damaged file moves to a name of its own; an earlier damaged file is never replaced.
std::filesystem::path RegistryFileStore::keepAside(const std::string& reason) {
    for (int attempt = 1; attempt < 1000; ++attempt) {
        std::filesystem::path aside = m_path;
        aside += attempt == 1 ? ".damaged" : ".damaged-" + std::to_string(attempt);
        std::error_code error;
        if (std::filesystem::exists(aside, error) || error)
            continue;
        std::filesystem::rename(m_path, aside, error);
        if (error)
            throw RegistryError(reason + "; cannot keep it aside: " + error.message());
        return aside;
    }
    throw RegistryError(reason + "; too many damaged files kept aside already");
}

void RegistryFileStore::createKey(const std::string& key) {
    m_content.createKey(fullKey(key));
    m_pending.push_back({fullKey(key), std::nullopt});
}

std::optional<RegistryValue> RegistryFileStore::value(const std::string& key,
                                                      const std::string& name) const {
    return m_content.value(fullKey(key), name);
}

void RegistryFileStore::setValue(const std::string& key, const std::string& name,
                                 const RegistryValue& value) {
    m_content.setValue(fullKey(key), name, value);
    m_pending.push_back({fullKey(key), MemoryRegistryStore::Entry{name, value}});
}

void RegistryFileStore::flush() {
    if (m_pending.empty())
        return;
    if (!m_unwritable.empty())
        throw RegistryError(m_unwritable);
    const SaveLock lock(m_path, m_lockWait, m_whileLockHeld);
    if (m_keepCopy)
        keepCopy();
    MemoryRegistryStore merged = readFile();
    for (const Write& write : m_pending) {
        if (write.entry)
            merged.setValue(write.key, write.entry->name, write.entry->value);
        else
            merged.createKey(write.key);
    }
    writeFile(merged);
    m_content = std::move(merged);
    m_pending.clear();
}

// Values the program could not take are about to be replaced by defaults: the file as the
// user had it stays beside it. Without the copy nothing is written.
void RegistryFileStore::keepCopy() {
    std::error_code error;
    if (std::filesystem::exists(m_path, error)) {
        std::filesystem::path copy = m_path;
        copy += ".bak";
        std::filesystem::copy_file(m_path, copy, std::filesystem::copy_options::overwrite_existing,
                                   error);
        if (error)
            throw RegistryError("Cannot keep a copy of " + quote(m_path) + " as " + quote(copy) +
                                ": " + error.message());
        m_saveNotice = "Einige Einstellungen aus " + quote(m_path) +
                       " waren nicht lesbar und wurden durch Standardwerte ersetzt; die Datei "
                       "von vorher liegt jetzt als " +
                       quote(copy) + ".";
    }
    m_keepCopy = false;
}

void RegistryFileStore::writeFile(const MemoryRegistryStore& content) const {
    // A link to the file, as dotfile managers keep them, stays a link.
    std::error_code error;
    std::filesystem::path target = m_path;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(m_path, error))) {
        target = std::filesystem::weakly_canonical(m_path, error);
        if (error)
            throw RegistryError("Cannot resolve " + quote(m_path) + ": " + error.message());
    }
    // A bare file name lies in the current folder, which is there. The error of the link
    // test above (a file not yet there) is no reason to stop.
    const std::filesystem::path folder = target.parent_path();
    if (!folder.empty() && !std::filesystem::create_directories(folder, error) && error)
        throw RegistryError("Cannot create " + quote(folder) + ": " + error.message());

    removeLeftoverTemporaries(target);
    // A name of its own for each save, so that two programs saving at once never share one.
    static std::atomic<unsigned> saves{0};
    std::filesystem::path temporary = target;
    temporary += "." + std::to_string(::getpid()) + "." + std::to_string(++saves) + ".tmp";
    try {
        // The click tool's values may hold a password: only the owner reads the file.
        replaceFileAtomically(target, temporary, RegistryFileFormat::format(content), 0600);
    } catch (const AtomicFileError& failure) {
        const bool renaming = std::string_view(failure.operation) == "replace";
        throw RegistryError((renaming ? "Cannot replace " : "Cannot write ") + quote(target) +
                            ": " + failure.code().message());
    }
}

} // namespace powerball
