#include "draws/DrawHistory.h"

#include "base/AtomicFile.h"
#include "base/FileReading.h"

#include "draws/DrawFileError.h"
#include "draws/DrawValidation.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>

#if __has_include(<unistd.h>)
#include <fcntl.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>
#define POWERBALL_HAS_FSYNC 1
#endif

namespace powerball {

namespace {

std::atomic<std::uint64_t> g_writes{0};

// Counted before and after the change, so that a reader between the two sees it either way.
struct CountedWrite {
    CountedWrite() { ++g_writes; }
    ~CountedWrite() { ++g_writes; }
    CountedWrite(const CountedWrite&) = delete;
    CountedWrite& operator=(const CountedWrite&) = delete;
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

FilePtr openFile(const std::filesystem::path& path, const char* mode,
                 const std::string& operation) {
    errno = 0;
    FilePtr file(std::fopen(path.c_str(), mode));
    if (!file)
        throw DrawFileError::fromErrno(path, operation);
    return file;
}

void flushToDisk(std::FILE* file, const std::filesystem::path& path) {
    errno = 0;
    if (std::fflush(file) != 0)
        throw DrawFileError::fromErrno(path, "write");
#ifdef POWERBALL_HAS_FSYNC
    if (::fsync(::fileno(file)) != 0)
        throw DrawFileError::fromErrno(path, "flush to disk");
#endif
}

void writeRecord(std::FILE* file, const DrawRecord& record, const std::filesystem::path& path) {
    const auto bytes = record.encode();
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        throw DrawFileError::fromErrno(path, "write");
}

DrawRecord minimumDateRecord() {
    DrawRecord record;
    record.date = DrawCalendar::kMinimumDate;
    return record;
}

bool isEarlier(const DrawRecord& a, const DrawRecord& b) {
    return a.date < b.date;
}

// The added records by date, one per date: a later record of the list wins.
std::vector<DrawRecord> lastPerDate(const std::vector<DrawRecord>& added) {
    std::vector<DrawRecord> sorted = added;
    std::stable_sort(sorted.begin(), sorted.end(), isEarlier);
    std::vector<DrawRecord> unique;
    unique.reserve(sorted.size());
    for (const DrawRecord& record : sorted) {
        if (!unique.empty() && unique.back().date == record.date)
            unique.back() = record;
        else
            unique.push_back(record);
    }
    return unique;
}

} // namespace

std::vector<DrawRecord> mergedByDate(const std::vector<DrawRecord>& stored,
                                     const std::vector<DrawRecord>& added) {
    const std::vector<DrawRecord> adding = lastPerDate(added);
    std::vector<DrawRecord> result;
    result.reserve(stored.size() + adding.size());
    auto next = adding.begin();
    for (const DrawRecord& record : stored) {
        while (next != adding.end() && next->date <= record.date)
            result.push_back(*next++);
        const bool replaced = std::binary_search(adding.begin(), adding.end(), record, isEarlier);
        if (!replaced)
            result.push_back(record);
    }
    result.insert(result.end(), next, adding.end());
    return result;
}

namespace {

// A writer refuses a file whose last record is incomplete rather than drop its bytes.
void refuseTrailingFragment(const std::filesystem::path& path) {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size % DrawRecord::kSize != 0)
        throw DrawFileError(path, "change",
                            "its size of " + std::to_string(size) +
                                " bytes is not a multiple of 32, so its last record is "
                                "incomplete; nothing was changed");
}

// Where a rewrite goes: a draw file that is a link (into a synced folder, say) is rewritten
// where the link points, so that the link stays and the file the user keeps there changes.
std::filesystem::path linkTarget(const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error)))
        return file;
    const std::filesystem::path target = std::filesystem::weakly_canonical(file, error);
    if (error)
        throw DrawFileError(file, "follow the link of", error.message());
    return target;
}

// A name no other rewrite uses at the same time, beginning with the fixed name.
std::filesystem::path uniqueTemporary(const std::filesystem::path& folder,
                                      std::string_view temporaryName) {
    static std::atomic<unsigned> counter{0};
    return folder / (std::string(temporaryName) + "." + std::to_string(::getpid()) + "." +
                     std::to_string(++counter));
}

} // namespace

DrawHistory::DrawHistory(std::filesystem::path file) : m_path(std::move(file)) {}

DrawHistory DrawHistory::inFolder(const std::filesystem::path& folder) {
    return DrawHistory(folder / kFileName);
}

DrawHistory& DrawHistory::setLockWait(std::chrono::milliseconds wait) {
    m_lockWait = wait;
    return *this;
}

bool DrawHistory::exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(m_path, error);
}

std::vector<DrawRecord> DrawHistory::readAll() const {
    std::vector<DrawRecord> records;
    std::array<std::uint8_t, DrawRecord::kSize * 256> chunk{};
    std::size_t pending = 0;
    try {
        // A FIFO or a device in the file's place is refused at once; it would block for good.
        RegularFile file(m_path);
        for (;;) {
            const std::size_t got =
                file.read(reinterpret_cast<char*>(chunk.data()) + pending, chunk.size() - pending);
            if (got == 0)
                break;
            pending += got;
            const std::size_t whole = pending / DrawRecord::kSize;
            for (std::size_t k = 0; k < whole; ++k) {
                records.push_back(DrawRecord::decode(chunk.data() + k * DrawRecord::kSize));
                if (const auto problem = DrawValidation::recordProblem(records.back()))
                    throw DrawFileError(
                        m_path, "use record " + std::to_string(records.size()) + " of", *problem);
            }
            const std::size_t rest = pending - whole * DrawRecord::kSize;
            std::copy_n(chunk.data() + whole * DrawRecord::kSize, rest, chunk.data());
            pending = rest;
        }
    } catch (const FileReadError& failure) {
        throw DrawFileError(m_path, "open the draw file for reading", failure.reason);
    }
    return records; // a trailing fragment (pending > 0) is never a record
}

DrawHistory::Located DrawHistory::locateByDate(double target) const {
    const std::vector<DrawRecord> records = readAll();
    const double from = DrawCalendar::roundToDay(target);
    Located result;
    result.recordCount = static_cast<int>(records.size());
    if (records.empty())
        return result;
    const auto found = std::find_if(records.begin(), records.end(),
                                    [from](const DrawRecord& r) { return r.date >= from; });
    if (found == records.end()) {
        result.index = result.recordCount - 1;
        result.record = records.back();
    } else {
        result.index = static_cast<int>(found - records.begin());
        result.record = *found;
    }
    return result;
}

DrawHistory::Located DrawHistory::locateByIndex(int index) const {
    const std::vector<DrawRecord> records = readAll();
    Located result;
    result.recordCount = static_cast<int>(records.size());
    if (records.empty()) {
        result.record = minimumDateRecord();
        return result;
    }
    result.index = std::clamp(index, 0, result.recordCount - 1);
    result.record = records[static_cast<std::size_t>(result.index)];
    return result;
}

DrawAppender DrawHistory::openForAppend() const {
    return DrawAppender(m_path, m_lockWait);
}

void DrawHistory::insertOrReplace(const DrawRecord& record) const {
    insertOrReplaceAll({record});
}

void DrawHistory::insertOrReplaceAll(const std::vector<DrawRecord>& added) const {
    modify([&added](std::vector<DrawRecord>& records) { records = mergedByDate(records, added); });
}

void DrawHistory::removeDate(double date) const {
    changeUnderLock(
        [date](std::vector<DrawRecord>& records) {
            std::erase_if(records, [date](const DrawRecord& r) { return r.date == date; });
        },
        kRemoveTemporary);
}

void DrawHistory::modify(const std::function<void(std::vector<DrawRecord>&)>& change) const {
    createEmpty();
    changeUnderLock(change, kInsertTemporary);
}

void DrawHistory::changeUnderLock(const std::function<void(std::vector<DrawRecord>&)>& change,
                                  std::string_view temporaryName) const {
    const DrawFileLock lock(m_path, m_lockWait);
    refuseTrailingFragment(m_path);
    std::vector<DrawRecord> records = readAll();
    change(records);
    rewrite(records, temporaryName);
}

void DrawHistory::createEmpty() const {
    const DrawFileLock lock(m_path, m_lockWait);
    if (exists())
        return;
    if (const auto kind = notARegularFile(m_path))
        throw DrawFileError(m_path, "use", "it is " + *kind + ", not a regular file");
    const CountedWrite counted;
    // Never truncates: only a missing file (or the missing target of a link) is created.
    errno = 0;
    const int fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        throw DrawFileError::fromErrno(m_path, "create the draw file");
    ::close(fd);
}

void DrawHistory::removeLeftoverTemporaries() const {
    try {
        const DrawFileLock lock(m_path, std::chrono::milliseconds(0));
        removeTemporariesLocked();
    } catch (const std::exception&) {
        // Busy or unreadable: the next rewrite clears them.
    }
}

void DrawHistory::removeTemporariesLocked() const {
    std::vector<std::filesystem::path> folders{m_path.parent_path()};
    try {
        folders.push_back(linkTarget(m_path).parent_path());
    } catch (const DrawFileError&) {
        // A broken link: its rewrite reports it.
    }
    for (std::filesystem::path folder : folders) {
        if (folder.empty())
            folder = ".";
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            const std::string name = entry.path().filename().string();
            if (name.starts_with(kInsertTemporary) || name.starts_with(kRemoveTemporary))
                std::filesystem::remove(entry.path(), error);
        }
    }
}

std::uint64_t DrawHistory::writeCount() {
    return g_writes.load();
}

void DrawHistory::rewrite(const std::vector<DrawRecord>& records,
                          std::string_view temporaryName) const {
    const CountedWrite counted;
    // Only a killed writer leaves a temporary file: the caller holds the lock.
    removeTemporariesLocked();
    const std::filesystem::path target = linkTarget(m_path);
    const std::filesystem::path temporary = uniqueTemporary(target.parent_path(), temporaryName);
    std::string bytes;
    bytes.reserve(records.size() * DrawRecord::kSize);
    for (const DrawRecord& record : records) {
        const auto encoded = record.encode();
        bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
    }
    try {
        replaceFileAtomically(target, temporary, bytes);
    } catch (const AtomicFileError& failure) {
        // The message names the draw file: the temporary is gone again when it is read.
        const std::string step = failure.operation;
        if (step == "replace")
            throw DrawFileError(failure.file,
                                "replace the draw file with \"" + temporary.string() + "\"",
                                failure.code().message());
        throw DrawFileError(m_path, step == "create" ? "create a temporary file beside" : step,
                            failure.code().message() + "; the draw file is unchanged");
    }
}

DrawAppender::DrawAppender(std::filesystem::path file, std::chrono::milliseconds lockWait)
    : m_path(std::move(file)), m_lock(std::make_unique<DrawFileLock>(m_path, lockWait)) {
    std::error_code error;
    if (!std::filesystem::exists(m_path, error))
        openFile(m_path, "wb", "create the draw file");
    refuseTrailingFragment(m_path);
    const std::vector<DrawRecord> records = DrawHistory(m_path).readAll();
    if (!records.empty())
        m_buffer = records.back();
    FilePtr handle = openFile(m_path, "ab", "open the draw file for appending");
    m_file = handle.release();
}

DrawAppender::DrawAppender(DrawAppender&& other) noexcept
    : m_path(std::move(other.m_path)), m_lock(std::move(other.m_lock)), m_file(other.m_file),
      m_buffer(other.m_buffer) {
    other.m_file = nullptr;
}

DrawAppender::~DrawAppender() {
    if (m_file)
        std::fclose(m_file);
}

void DrawAppender::append(double date, const std::array<std::uint8_t, 8>& numbers) {
    if (!m_file)
        throw DrawFileError(m_path, "append to the draw file", "it is closed");
    DrawRecord record = m_buffer;
    record.date = date;
    record.numbers = numbers;
    const CountedWrite counted;
    struct stat before {};
    if (::fstat(::fileno(m_file), &before) != 0)
        throw DrawFileError::fromErrno(m_path, "append to the draw file");
    try {
        writeRecord(m_file, record, m_path);
        // Every record reaches the system at once, so other commands read it while the update
        // goes on; the disk is synced once when the file is closed. A record lost to a power
        // failure is asked for again by the next update, which starts after the newest record.
        errno = 0;
        if (std::fflush(m_file) != 0)
            throw DrawFileError::fromErrno(m_path, "write");
    } catch (...) {
        // A full disk may have taken part of the record: cut it off again, or every later
        // writer would refuse the file for its incomplete last record. The bytes stdio still
        // holds must not follow at the close either.
        ::__fpurge(m_file);
        (void)::ftruncate(::fileno(m_file), before.st_size);
        std::fclose(m_file);
        m_file = nullptr;
        throw;
    }
    m_buffer = record;
}

void DrawAppender::close() {
    const std::unique_ptr<DrawFileLock> release = std::move(m_lock); // after the file closes
    if (!m_file)
        return;
    std::FILE* file = m_file;
    m_file = nullptr;
    try {
        flushToDisk(file, m_path);
    } catch (...) {
        std::fclose(file);
        throw;
    }
    errno = 0;
    if (std::fclose(file) != 0)
        throw DrawFileError::fromErrno(m_path, "close the draw file");
}

} // namespace powerball
