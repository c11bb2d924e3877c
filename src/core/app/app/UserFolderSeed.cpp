#include "app/UserFolderSeed.h"

#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>

namespace powerball {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxHistoryBytes = 64u << 20;

std::string quoted(const fs::path& path) {
    return "\"" + path.string() + "\"";
}

[[noreturn]] void fail(const std::string& what, const fs::path& path,
                       const std::error_code& error) {
    throw std::runtime_error(what + " " + quoted(path) + ": " + error.message());
}

// Places one shipped file unless the user's folder has it already. The copy goes to a
// temporary first, so an interrupted start never leaves half a file under the real name.
bool placeFile(const fs::path& source, const fs::path& target) {
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error)))
        return false;
    fs::create_directories(target.parent_path(), error);
    if (error)
        fail("Der Ordner konnte nicht angelegt werden:", target.parent_path(), error);
    fs::path temporary = target;
    temporary += ".part";
    fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, error);
    if (!error)
        fs::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
        fail("Die Datei konnte nicht angelegt werden:", target, error);
    }
    return true;
}

void placeTree(const fs::path& installedData, const fs::path& entry, const fs::path& userFolder,
               UserFolderSeed::Report& report) {
    const fs::path source = installedData / entry;
    std::error_code error;
    if (fs::is_regular_file(source, error)) {
        if (placeFile(source, userFolder / entry))
            report.filesCopied.push_back(entry);
        return;
    }
    if (!fs::is_directory(source, error))
        return;
    for (fs::recursive_directory_iterator it(source, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error))
            continue;
        const fs::path relative = entry / it->path().lexically_relative(source);
        if (placeFile(it->path(), userFolder / relative))
            report.filesCopied.push_back(relative);
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

    static HistoryStamp of(const std::string& bytes, const std::vector<DrawRecord>& draws) {
        // FNV-1a over the bytes: enough to tell one shipped history from the next.
        std::uint64_t hash = 14695981039346656037ull;
        for (const char byte : bytes) {
            hash ^= static_cast<unsigned char>(byte);
            hash *= 1099511628211ull;
        }
        char text[64];
        std::snprintf(text, sizeof text, "%zu %016llx", bytes.size(),
                      static_cast<unsigned long long>(hash));
        HistoryStamp stamp{text, std::nullopt};
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
    const std::string identity = HistoryStamp::of(bytes, {}).identity;
    if (previous && previous->identity == identity)
        return;

    std::istringstream input(bytes);
    std::vector<DrawRecord> draws = readDrawCsv(input, csv.string());
    const HistoryStamp stamp = HistoryStamp::of(bytes, draws);
    if (previous && previous->lastDate)
        std::erase_if(draws,
                      [&](const DrawRecord& draw) { return draw.date <= *previous->lastDate; });
    report.drawsAdded = addMissingDraws(history, std::move(draws));
    report.historyMerged = true;
    saveFileAtomically(stampFile, stamp.text());
}

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
    for (const char* entry : {"yippee.wav", "Land", "Script"})
        placeTree(installedData, entry, userFolder, report);
    mergeHistory(installedData, userFolder, report);
    return report;
}

} // namespace powerball
