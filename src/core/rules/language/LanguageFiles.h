#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// The language data in the folder "Land" beside the program: the caption index
// "powerball.txt" (five lines per translatable control: window, control, German caption,
// German hint, character set), one language file per language (caption and hint per record
// of the index) and its message file (the language file's name + ".meld", one message table
// entry per line).
namespace LanguageFiles {

inline constexpr const char* kFolder = "Land";
inline constexpr const char* kCaptionIndex = "powerball.txt";
inline constexpr const char* kMessageSuffix = ".meld";
// Longer lines are cut here, as the message table's entries are.
inline constexpr std::size_t kMaxLineCharacters = 4096;
inline constexpr int kRecordLines = 5;
// A caption index with more records than this is no caption index: the window has a few
// hundred controls.
inline constexpr std::size_t kMaxRecords = 4096;

struct Language {
    int code; // the value "Sprache"
    const char* menuName;
    const char* fileName;
};

// The nine languages by code 1..9; nothing for any other code.
std::optional<Language> language(int code);
const std::array<Language, 9>& languages();

// The folder "Land" below `programFolder`, whatever the case of its name; the name as
// written when there is none.
std::filesystem::path folder(const std::filesystem::path& programFolder);

// The first `maxLines` lines of a text file as UTF-8: byte-order marks choose the encoding,
// a file without one is UTF-8 or Windows-1252. Each line is cut to 4096 characters. Only
// those lines are read, so a file of millions of lines costs no more than its useful part;
// `more` says whether anything follows them. A file that exists but cannot be read, that is
// no regular file, or whose wanted lines take more than 4 MiB raises a FileReadError.
struct FileLines {
    std::vector<std::string> lines;
    bool more = false;
};
FileLines readLines(const std::filesystem::path& file, std::size_t maxLines);

// The caption index's lines, up to kMaxRecords records; a longer file raises a
// FileReadError that says so.
std::vector<std::string> readCaptionIndex(const std::filesystem::path& file);

// The line, or an empty text beyond the end.
const std::string& lineAt(const std::vector<std::string>& lines, std::size_t index);

// The caption index's (window, control) pairs, trimmed of blanks and control characters.
struct CaptionRecord {
    std::string window;
    std::string control;
};
std::vector<CaptionRecord> captionRecords(const std::vector<std::string>& indexLines);

// Finds the records of the controls as one pass meets them: each search looks at the eleven
// records from the last match on, so the pass stays linear, and a control whose record is
// further away stays as it is.
class CaptionMatcher {
public:
    static constexpr std::size_t kWindow = 11;

    explicit CaptionMatcher(const std::vector<CaptionRecord>& records) : m_records(records) {}

    // The record of the control of `window` named `control`; the next search starts there.
    std::optional<std::size_t> match(std::string_view window, std::string_view control);
    // The same, searched in all the records after the last match: the controls of a page that
    // is not made yet leave a gap in what the pass meets, which the window cannot span.
    std::optional<std::size_t> matchAfterGap(std::string_view window, std::string_view control);
    // Starts the window at `record`, as a pass over one dialog begins at its first record.
    void restartAt(std::size_t record) { m_position = record; }
    // The first record of `window`, for a pass over that window alone.
    std::optional<std::size_t> firstRecordOf(std::string_view window) const;

private:
    const std::vector<CaptionRecord>& m_records;
    std::size_t m_position = 0;
};

} // namespace LanguageFiles

} // namespace powerball
