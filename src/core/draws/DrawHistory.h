#pragma once

#include "base/DrawCalendar.h"
#include "draws/DrawFileLock.h"
#include "draws/DrawRecord.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace powerball {

class DrawAppender;

// The draw file "Powerball.dat": a plain sequence of 32-byte records in ascending date
// order, no header. Every operation opens the file, works, and closes it again, so each
// one sees the file exactly as the last writer left it. A trailing fragment shorter than a
// record is never read, and no writer changes such a file: it would drop those bytes.
//
// Rewrites go to a temporary file of a name of their own beside the draw file, which is
// flushed to disk and then renamed over the original: the original is never deleted first,
// so an interrupted rewrite leaves the old file intact. Every writer, the appender of the
// update included, holds the DrawFileLock for its whole read-change-write, so two writers
// never lose each other's change.
class DrawHistory {
public:
    static constexpr std::string_view kFileName = "Powerball.dat";
    static constexpr std::string_view kInsertTemporary = "Powerball.dat~";
    static constexpr std::string_view kRemoveTemporary = "Zahlen.da~";

    explicit DrawHistory(std::filesystem::path file);
    static DrawHistory inFolder(const std::filesystem::path& folder);

    // How long a writer waits for another writer to finish before it reports the file busy.
    DrawHistory& setLockWait(std::chrono::milliseconds wait);

    const std::filesystem::path& path() const { return m_path; }
    bool exists() const;

    // Every complete record in file order (the scan of the draw history).
    std::vector<DrawRecord> readAll() const;

    struct Located {
        std::optional<DrawRecord> record; // empty when the file holds no record
        int index = 0;                    // DrawIndex after the locate
        int recordCount = 0;
    };

    // The first draw dated on or after the target rounded to the nearest day, else the last
    // draw; an empty file locates nothing and gives index 0.
    Located locateByDate(double target) const;

    // The record at `index`, or the last one when the index lies beyond the end; an empty
    // file yields 5 November 1997 with all numbers 0. `index` of the result is the position
    // actually reached.
    Located locateByIndex(int index) const;

    DrawAppender openForAppend() const;

    // Under the lock: reads every record, lets `change` edit the list, and rewrites the file
    // with the result. A missing file is created empty first.
    void modify(const std::function<void(std::vector<DrawRecord>&)>& change) const;

    // Rewrites the file with the record in date order, replacing every record of its date;
    // a missing file is created.
    void insertOrReplace(const DrawRecord& record) const;
    // The same for many records in one rewrite; later records of the list win.
    void insertOrReplaceAll(const std::vector<DrawRecord>& records) const;
    // Rewrites the file without any record of that date.
    void removeDate(double date) const;
    // Creates an empty file when there is none; an existing file stays as it is.
    void createEmpty() const;

    // How many times this process has changed a draw file so far. A copy of the file held
    // in memory is out of date when this moved on, even where the file's size and time
    // cannot tell (a draw replaced by one of the same date, a coarse file-system clock).
    static std::uint64_t writeCount();

    // Removes the temporary files that a killed rewrite left behind. Does nothing while
    // another writer holds the lock; never fails.
    void removeLeftoverTemporaries() const;

private:
    void changeUnderLock(const std::function<void(std::vector<DrawRecord>&)>& change,
                         std::string_view temporaryName) const;
    void rewrite(const std::vector<DrawRecord>& records, std::string_view temporaryName) const;
    void removeTemporariesLocked() const;

    std::filesystem::path m_path;
    std::chrono::milliseconds m_lockWait = DrawFileLock::kDefaultWait;
};

// The stored records with the added ones merged in, in one pass: each added record goes
// before the first stored record dated on or after it, every stored record of an added date
// is dropped, and of several added records of one date the later one in the list wins.
std::vector<DrawRecord> mergedByDate(const std::vector<DrawRecord>& stored,
                                     const std::vector<DrawRecord>& added);

// The draw file held open for appending, as the internet update uses it, under the lock
// until it is closed. New records take the digit groups of the last record read.
class DrawAppender {
public:
    DrawAppender(std::filesystem::path file, std::chrono::milliseconds lockWait);
    ~DrawAppender();
    DrawAppender(DrawAppender&& other) noexcept;
    DrawAppender& operator=(DrawAppender&&) = delete;
    DrawAppender(const DrawAppender&) = delete;
    DrawAppender& operator=(const DrawAppender&) = delete;

    // The last record of the file (date 0 and all zero when the file was empty), or the
    // record appended last.
    const DrawRecord& last() const { return m_buffer; }

    void append(double date, const std::array<std::uint8_t, 8>& numbers);
    void close();

private:
    std::filesystem::path m_path;
    std::unique_ptr<DrawFileLock> m_lock; // held from opening to closing
    std::FILE* m_file = nullptr;
    DrawRecord m_buffer;
};

} // namespace powerball
