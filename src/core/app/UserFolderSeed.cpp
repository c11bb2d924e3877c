#include "app/UserFolderSeed.h"

#include "base/AtomicFile.h"
#include "base/ContentHash.h"
#include "base/FileReading.h"
#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace powerball {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxHistoryBytes = 64u << 20;
constexpr std::size_t kMaxShippedFileBytes = 64u << 20;

std::string quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

[[noreturn]] void fail(const std::string& what, const fs::path& path,
                       const std::error_code& error) {
    throw std::runtime_error(what + " " + quoted(path) + ": " + error.message());
}

std::string fileChecksum(const fs::path& file) {
    return contentHash(readFileBytes(file, kMaxShippedFileBytes));
}

// Copies through a temporary of a name of its own, so an interrupted start never leaves half
// a file under the real name and two starts never share one.
void copyInPlace(const fs::path& source, const fs::path& target) {
    static std::atomic<unsigned> copies{0};
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    if (error)
        fail("Der Ordner konnte nicht angelegt werden:", target.parent_path(), error);
    fs::path temporary = target;
    temporary += ".part." + std::to_string(::getpid()) + "." + std::to_string(++copies);
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        fail("Die Datei konnte nicht angelegt werden:", target, error);
    }
}

// The checksums of the shipped files as they were placed, one "checksum path" a line. With
// them a later package can renew a file the user never changed; a file the user changed, or
// one that was there before, stays as it is.
class PlacedFiles {
public:
    explicit PlacedFiles(fs::path file) : m_file(std::move(file)) {
        std::string text;
        try {
            text = readFileBytes(m_file, 1u << 20);
        } catch (const std::exception&) {
            return; // none yet, or unreadable: every file counts as possibly the user's
        }
        std::istringstream input(text);
        std::string line;
        while (std::getline(input, line))
            if (line.size() > 17 && line[16] == ' ')
                m_sums[line.substr(17)] = line.substr(0, 16);
    }

    // Places or renews one shipped file; says what it did.
    enum class Outcome { Kept, Copied, Renewed };
    Outcome place(const fs::path& source, const fs::path& userFolder, const fs::path& relative) {
        const fs::path target = userFolder / relative;
        const std::string key = relative.generic_string();
        const std::string shipped = fileChecksum(source);
        std::error_code error;
        const fs::file_status status = fs::symlink_status(target, error);
        if (!fs::exists(status)) {
            copyInPlace(source, target);
            remember(key, shipped);
            return Outcome::Copied;
        }
        if (!fs::is_regular_file(status))
            return Outcome::Kept; // a link or a folder of the user's own
        const auto placed = m_sums.find(key);
        if (placed != m_sums.end() && placed->second == shipped)
            return Outcome::Kept; // this package's file, changed or not
        const std::string present = fileChecksum(target);
        if (placed != m_sums.end() && present == placed->second) {
            copyInPlace(source, target); // the user's copy is the old package's, untouched
            remember(key, shipped);
            return Outcome::Renewed;
        }
        if (placed == m_sums.end() && present == shipped)
            remember(key, shipped); // the same file, placed before the checksums were kept
        return Outcome::Kept;
    }

    void save() const {
        if (!m_changed)
            return;
        std::string text;
        for (const auto& [path, sum] : m_sums)
            text += sum + " " + path + "\n";
        saveFileAtomically(m_file, text);
    }

private:
    void remember(const std::string& key, const std::string& sum) {
        m_changed = m_changed || m_sums[key] != sum;
        m_sums[key] = sum;
    }

    fs::path m_file;
    std::map<std::string, std::string> m_sums;
    bool m_changed = false;
};

void placeTree(const fs::path& installedData, const fs::path& entry, const fs::path& userFolder,
               PlacedFiles& placed, UserFolderSeed::Report& report) {
    const auto placeOne = [&](const fs::path& source, const fs::path& relative) {
        switch (placed.place(source, userFolder, relative)) {
        case PlacedFiles::Outcome::Copied:
            report.filesCopied.push_back(relative);
            break;
        case PlacedFiles::Outcome::Renewed:
            report.filesRenewed.push_back(relative);
            break;
        case PlacedFiles::Outcome::Kept:
            break;
        }
    };
    const fs::path source = installedData / entry;
    std::error_code error;
    if (fs::is_regular_file(source, error)) {
        placeOne(source, entry);
        return;
    }
    if (!fs::is_directory(source, error))
        return;
    for (fs::recursive_directory_iterator it(source, error), end; !error && it != end;
         it.increment(error)) {
        if (it->is_regular_file(error))
            placeOne(it->path(), entry / it->path().lexically_relative(source));
    }
}

// What the stamp file keeps of the bundled history last merged: its size and checksum, to
// tell one package's history from the next, and its last date, so that a later package adds
// only the draws after it. The user's own deletions and corrections of older draws stay.
struct HistoryStamp {
    std::string identity;
    std::optional<double> lastDate;

    std::string text() const {
        char date[64] = "";
        if (lastDate)
            std::snprintf(date, sizeof date, " %.17g", *lastDate);
        return identity + date + "\n";
    }

    static std::string identityOf(const std::string& bytes) {
        return std::to_string(bytes.size()) + " " + contentHash(bytes);
    }

    static HistoryStamp of(std::string identity, const std::vector<DrawRecord>& draws) {
        HistoryStamp stamp{std::move(identity), std::nullopt};
        for (const DrawRecord& draw : draws)
            stamp.lastDate = std::max(stamp.lastDate.value_or(draw.date), draw.date);
        return stamp;
    }

    // An unreadable or foreign stamp reads as none: the merge then adds every missing date,
    // which loses nothing.
    static std::optional<HistoryStamp> read(const fs::path& file) {
        std::string text;
        try {
            text = readFileBytes(file, 256);
        } catch (const std::exception&) {
            return std::nullopt;
        }
        std::istringstream input(text);
        std::string size, hash;
        double lastDate = 0;
        if (!(input >> size >> hash >> lastDate))
            return std::nullopt;
        return HistoryStamp{size + " " + hash, lastDate};
    }
};

void mergeHistory(const fs::path& installedData, const fs::path& userFolder,
                  UserFolderSeed::Report& report) {
    const fs::path csv = installedData / UserFolderSeed::kHistoryFile;
    std::error_code error;
    if (!fs::is_regular_file(csv, error))
        return;
    const std::string bytes = readFileBytes(csv, kMaxHistoryBytes);
    const DrawHistory history = DrawHistory::inFolder(userFolder);
    const fs::path stampFile = userFolder / UserFolderSeed::kStampFile;
    // A draw file without its stamp was never seeded completely: every missing date comes in.
    const std::optional<HistoryStamp> previous =
        history.exists() ? HistoryStamp::read(stampFile) : std::nullopt;
    std::string identity = HistoryStamp::identityOf(bytes);
    if (previous && previous->identity == identity)
        return;

    std::istringstream input(bytes);
    std::vector<DrawRecord> draws = readDrawCsv(input, csv.string());
    const HistoryStamp stamp = HistoryStamp::of(std::move(identity), draws);
    if (previous && previous->lastDate)
        std::erase_if(draws,
                      [&](const DrawRecord& draw) { return draw.date <= *previous->lastDate; });
    report.drawsAdded = addMissingDraws(history, std::move(draws));
    report.historyMerged = true;
    saveFileAtomically(stampFile, stamp.text());
}

// Held while one start seeds the folder: several starts at once (a desktop session that
// restores two windows, a script that starts the command line in parallel) seed it one after
// the other, and each later one finds the files in place.
class SeedLock {
public:
    static constexpr std::chrono::seconds kWait{60};

    explicit SeedLock(const fs::path& userFolder) {
        const fs::path file = userFolder / UserFolderSeed::kLockFile;
        m_descriptor = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_descriptor < 0)
            fail("Die Sperrdatei konnte nicht angelegt werden:", file,
                 std::error_code(errno, std::generic_category()));
        const auto deadline = std::chrono::steady_clock::now() + kWait;
        while (::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0) {
            const int reason = errno;
            if ((reason != EWOULDBLOCK && reason != EINTR) ||
                std::chrono::steady_clock::now() >= deadline) {
                ::close(m_descriptor);
                fail("Der Datenordner wird von einem anderen Start noch eingerichtet:", userFolder,
                     std::error_code(reason, std::generic_category()));
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    ~SeedLock() { ::close(m_descriptor); }
    SeedLock(const SeedLock&) = delete;
    SeedLock& operator=(const SeedLock&) = delete;

private:
    int m_descriptor = -1;
};

} // namespace

UserFolderSeed::Report UserFolderSeed::seed(const fs::path& userFolder,
                                            const fs::path& installedData) {
    Report report;
    std::error_code error;
    report.folderCreated = fs::create_directories(userFolder, error);
    if (error)
        fail("Der Datenordner konnte nicht angelegt werden:", userFolder, error);
    report.installedDataFound = fs::is_directory(installedData, error);
    if (!report.installedDataFound)
        return report;
    const SeedLock lock(userFolder);
    PlacedFiles placed(userFolder / kPlacedFilesFile);
    for (const char* entry : {"yippee.wav", "Land", "Script"})
        placeTree(installedData, entry, userFolder, placed, report);
    placed.save();
    mergeHistory(installedData, userFolder, report);
    return report;
}

} // namespace powerball
