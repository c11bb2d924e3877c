#include "rules/language/LanguageFiles.h"

#include "base/FileReading.h"
#include "base/TextDecoding.h"
#include "base/TextParsing.h"

#include <algorithm>
#include <cctype>

namespace powerball::LanguageFiles {

namespace {

constexpr std::array<Language, 9> kLanguages{{
    {1, "deutsch", "Power_de.txt"},
    {2, "english", "Power_en.txt"},
    {3, "français", "Power_fr.txt"},
    {4, "español", "Power_es.txt"},
    {5, "italiano", "Power_it.txt"},
    {6, "русский", "Power_ru.txt"},
    {7, "português", "Power_pt.txt"},
    {8, "中国的", "Power_cn.txt"},
    {9, "हिंदी", "Power_in.txt"},
}};

// A language file larger than this is no language file.
constexpr std::size_t kMaxFileBytes = 16 * 1024 * 1024;

// The first `count` characters (code points) of a UTF-8 line.
std::string firstCharacters(std::string line, std::size_t count) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80) {
            if (characters == count) {
                line.resize(i);
                break;
            }
            ++characters;
        }
    }
    return line;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

// Blanks and control characters at both ends go, as the index's names are compared.
std::string trimmedName(std::string_view text) {
    const auto isSpaceOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isSpaceOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpaceOrControl(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

const std::array<Language, 9>& languages() {
    return kLanguages;
}

std::optional<Language> language(int code) {
    for (const Language& entry : kLanguages)
        if (entry.code == code)
            return entry;
    return std::nullopt;
}

std::filesystem::path folder(const std::filesystem::path& programFolder) {
    std::error_code error;
    for (std::filesystem::directory_iterator it(programFolder, error), end; !error && it != end;
         it.increment(error)) {
        if (equalIgnoringCase(it->path().filename().string(), kFolder) && it->is_directory(error))
            return it->path();
    }
    return programFolder / kFolder;
}

std::vector<std::string> readLines(const std::filesystem::path& file) {
    const std::string text = TextDecoding::toUtf8(readFileBytes(file, kMaxFileBytes));
    std::vector<std::string> lines;
    for (const std::string_view line : splitLines(text))
        lines.push_back(firstCharacters(std::string(line), kMaxLineCharacters));
    return lines;
}

const std::string& lineAt(const std::vector<std::string>& lines, std::size_t index) {
    static const std::string empty;
    return index < lines.size() ? lines[index] : empty;
}

std::vector<CaptionRecord> captionRecords(const std::vector<std::string>& indexLines) {
    std::vector<CaptionRecord> records;
    const std::size_t count = (indexLines.size() + kRecordLines - 1) / kRecordLines;
    records.reserve(count);
    for (std::size_t r = 0; r < count; ++r)
        records.push_back({trimmedName(lineAt(indexLines, r * kRecordLines)),
                           trimmedName(lineAt(indexLines, r * kRecordLines + 1))});
    return records;
}

std::optional<std::size_t> CaptionMatcher::match(std::string_view window,
                                                 std::string_view control) {
    const std::size_t end = std::min(m_records.size(), m_position + kWindow);
    for (std::size_t r = m_position; r < end; ++r) {
        if (m_records[r].window == window && m_records[r].control == control) {
            m_position = r;
            return r;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> CaptionMatcher::firstRecordOf(std::string_view window) const {
    for (std::size_t r = 0; r < m_records.size(); ++r)
        if (m_records[r].window == window)
            return r;
    return std::nullopt;
}

} // namespace powerball::LanguageFiles
