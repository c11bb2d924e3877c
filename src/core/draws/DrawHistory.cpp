#include "draws/DrawHistory.h"

#include "draws/DrawFileError.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <memory>

#if __has_include(<unistd.h>)
#include <fcntl.h>
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

// Makes the rename itself durable; a failure here loses nothing, so it is not reported.
void syncFolder([[maybe_unused]] const std::filesystem::path& folder) {
#ifdef POWERBALL_HAS_FSYNC
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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

// Merges one record into an ordered list: it goes before the first record dated on or
// after it, and every record of its date is dropped.
void mergeInto(std::vector<DrawRecord>& records, const DrawRecord& added) {
    std::vector<DrawRecord> merged;
    merged.reserve(records.size() + 1);
    bool written = false;
    for (const DrawRecord& record : records) {
        if (!written && record.date >= added.date) {
            merged.push_back(added);
            written = true;
        }
        if (record.date != added.date)
            merged.push_back(record);
    }
    if (!written)
        merged.push_back(added);
    records.swap(merged);
}

} // namespace

DrawHistory::DrawHistory(std::filesystem::path file) : m_path(std::move(file)) {}

DrawHistory DrawHistory::inFolder(const std::filesystem::path& folder) {
    return DrawHistory(folder / kFileName);
}

bool DrawHistory::exists() const {
    std::error_code error;
    return std::filesystem::is_regular_file(m_path, error);
}

std::vector<DrawRecord> DrawHistory::readAll() const {
    FilePtr file = openFile(m_path, "rb", "open the draw file for reading");
    std::vector<DrawRecord> records;
    std::array<std::uint8_t, DrawRecord::kSize * 256> chunk{};
    std::size_t pending = 0;
    for (;;) {
        errno = 0;
        const std::size_t got =
            std::fread(chunk.data() + pending, 1, chunk.size() - pending, file.get());
        if (got == 0) {
            if (std::ferror(file.get()))
                throw DrawFileError::fromErrno(m_path, "read the draw file");
            break;
        }
        pending += got;
        const std::size_t whole = pending / DrawRecord::kSize;
        for (std::size_t k = 0; k < whole; ++k)
            records.push_back(DrawRecord::decode(chunk.data() + k * DrawRecord::kSize));
        const std::size_t rest = pending - whole * DrawRecord::kSize;
        std::copy_n(chunk.data() + whole * DrawRecord::kSize, rest, chunk.data());
        pending = rest;
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
    return DrawAppender(m_path);
}

void DrawHistory::insertOrReplace(const DrawRecord& record) const {
    insertOrReplaceAll({record});
}

void DrawHistory::insertOrReplaceAll(const std::vector<DrawRecord>& added) const {
    std::vector<DrawRecord> records = readAll();
    for (const DrawRecord& record : added)
        mergeInto(records, record);
    rewrite(records, kInsertTemporary);
}

void DrawHistory::removeDate(double date) const {
    std::vector<DrawRecord> records = readAll();
    std::erase_if(records, [date](const DrawRecord& r) { return r.date == date; });
    rewrite(records, kRemoveTemporary);
}

void DrawHistory::createEmpty() const {
    const CountedWrite counted;
    openFile(m_path, "wb", "create the draw file");
}

std::uint64_t DrawHistory::writeCount() {
    return g_writes.load();
}

void DrawHistory::rewrite(const std::vector<DrawRecord>& records,
                          std::string_view temporaryName) const {
    const CountedWrite counted;
    const std::filesystem::path temporary = m_path.parent_path() / temporaryName;
    {
        FilePtr file = openFile(temporary, "wb", "create the temporary file");
        for (const DrawRecord& record : records)
            writeRecord(file.get(), record, temporary);
        flushToDisk(file.get(), temporary);
        errno = 0;
        if (std::fclose(file.release()) != 0)
            throw DrawFileError::fromErrno(temporary, "close");
    }
    std::error_code error;
    std::filesystem::rename(temporary, m_path, error);
    if (error)
        throw DrawFileError(m_path, "replace the draw file with \"" + temporary.string() + "\"",
                            error.message());
    syncFolder(m_path.parent_path());
}

DrawAppender::DrawAppender(std::filesystem::path file) : m_path(std::move(file)) {
    std::error_code error;
    if (!std::filesystem::exists(m_path, error))
        openFile(m_path, "wb", "create the draw file");
    FilePtr handle = openFile(m_path, "r+b", "open the draw file for appending");
    std::array<std::uint8_t, DrawRecord::kSize> bytes{};
    errno = 0;
    while (std::fread(bytes.data(), 1, bytes.size(), handle.get()) == bytes.size())
        m_buffer = DrawRecord::decode(bytes.data());
    if (std::ferror(handle.get()))
        throw DrawFileError::fromErrno(m_path, "read the draw file");
    // New records go right after the last complete one; a fragment is overwritten.
    const auto whole = static_cast<long>(std::filesystem::file_size(m_path) / DrawRecord::kSize);
    if (std::fseek(handle.get(), whole * static_cast<long>(DrawRecord::kSize), SEEK_SET) != 0)
        throw DrawFileError::fromErrno(m_path, "seek in the draw file");
    m_file = handle.release();
}

DrawAppender::DrawAppender(DrawAppender&& other) noexcept
    : m_path(std::move(other.m_path)), m_file(other.m_file), m_buffer(other.m_buffer) {
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
    writeRecord(m_file, record, m_path);
    // Every record reaches the system at once, so other commands read it while the update
    // goes on; the disk is synced once when the file is closed. A record lost to a power
    // failure is asked for again by the next update, which starts after the newest record.
    errno = 0;
    if (std::fflush(m_file) != 0)
        throw DrawFileError::fromErrno(m_path, "write");
    m_buffer = record;
}

void DrawAppender::close() {
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
