#include "rules/language/LanguageFiles.h"

#include "base/FileReading.h"
#include "base/TextDecoding.h"
#include "base/TextParsing.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

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

// The wanted lines of a language file take less than this; more is no language file.
constexpr std::size_t kMaxKeptBytes = 4 * 1024 * 1024;
// What a line may take before it is cut: 4096 characters of four bytes each.
constexpr std::size_t kMaxLineBytes = kMaxLineCharacters * 4;

// Collects the raw bytes of a file's first lines, line breaks included, as the decoder will
// read them: byte by byte, or in code units of two bytes after a UTF-16 mark. The bytes of a
// line past kMaxLineBytes are dropped, a UTF-8 character never cut in two.
class RawLines {
public:
    explicit RawLines(std::size_t maxLines) : m_maxLines(maxLines) {}

    // False once the wanted lines are complete and more follows.
    bool add(std::string_view bytes) {
        for (const char byte : bytes) {
            if (m_start) {
                m_head += byte;
                if (!takeMark())
                    continue;
                const std::string head = std::move(m_head);
                m_start = false;
                if (!add(head))
                    return false;
                continue;
            }
            m_unit += byte;
            if (m_unit.size() < m_unitSize)
                continue;
            const std::string unit = std::move(m_unit);
            m_unit.clear();
            if (!addUnit(unit))
                return false;
        }
        return true;
    }

    // At the end of the file.
    void finish() {
        if (m_start && !m_head.empty()) {
            m_start = false;
            const std::string head = std::move(m_head);
            add(head);
        }
        if (m_lineOpen)
            ++m_lines;
    }

    bool more() const { return m_more; }
    const std::string& kept() const { return m_kept; }

private:
    // Waits for three bytes (or the end) to see a mark; false while it waits. The mark stays
    // in the kept bytes for the decoder.
    bool takeMark() {
        if (m_head.starts_with("\xFF\xFE") || m_head.starts_with("\xFE\xFF")) {
            m_unitSize = 2;
            m_bigEndian = m_head[0] == '\xFE';
            m_kept = m_head.substr(0, 2);
            m_head.erase(0, 2);
            return true;
        }
        if (m_head.size() < 3)
            return false;
        if (m_head.starts_with("\xEF\xBB\xBF")) {
            m_kept = m_head.substr(0, 3);
            m_head.clear();
        }
        return true;
    }

    char16_t value(const std::string& unit) const {
        if (m_unitSize == 1)
            return static_cast<unsigned char>(unit[0]);
        const auto first = static_cast<unsigned char>(unit[0]);
        const auto second = static_cast<unsigned char>(unit[1]);
        return static_cast<char16_t>(m_bigEndian ? (first << 8 | second) : (second << 8 | first));
    }

    bool addUnit(const std::string& unit) {
        const char16_t code = value(unit);
        if (code == u'\n' && m_afterCr) { // the LF of a CR LF
            m_afterCr = false;
            m_kept += unit;
            return true;
        }
        m_afterCr = false;
        if (m_lines == m_maxLines) {
            m_more = true;
            return false;
        }
        if (code == u'\r' || code == u'\n') {
            m_kept += unit;
            ++m_lines;
            m_lineBytes = 0;
            m_lineOpen = false;
            m_afterCr = code == u'\r';
            return true;
        }
        m_lineOpen = true;
        if (m_lineBytes >= kMaxLineBytes) {
            if (m_lineBytes == kMaxLineBytes && m_unitSize == 1)
                dropCutCharacter(code);
            m_lineBytes = kMaxLineBytes + 1;
            return true;
        }
        if (m_kept.size() >= kMaxKeptBytes)
            throw std::length_error("the lines wanted take more than " +
                                    std::to_string(kMaxKeptBytes) + " bytes");
        m_kept += unit;
        m_lineBytes += unit.size();
        return true;
    }

    // The first dropped byte continues a UTF-8 character: the kept part of it goes too.
    void dropCutCharacter(char16_t firstDropped) {
        if ((firstDropped & 0xC0) != 0x80)
            return;
        std::size_t end = m_kept.size();
        while (end > 0 && (static_cast<unsigned char>(m_kept[end - 1]) & 0xC0) == 0x80 &&
               m_kept.size() - end < 3)
            --end;
        if (end > 0 && static_cast<unsigned char>(m_kept[end - 1]) >= 0xC0)
            m_kept.resize(end - 1);
    }

    std::size_t m_maxLines;
    bool m_start = true;
    std::string m_head;
    std::size_t m_unitSize = 1;
    bool m_bigEndian = false;
    std::string m_unit;
    std::string m_kept;
    std::size_t m_lines = 0;
    std::size_t m_lineBytes = 0;
    bool m_lineOpen = false;
    bool m_afterCr = false;
    bool m_more = false;
};

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

FileLines readLines(const std::filesystem::path& file, std::size_t maxLines) {
    RegularFile input(file);
    RawLines raw(maxLines);
    char buffer[65536];
    try {
        for (;;) {
            const std::size_t got = input.read(buffer, sizeof buffer);
            if (got == 0) {
                raw.finish();
                break;
            }
            if (!raw.add(std::string_view(buffer, got)))
                break;
        }
    } catch (const std::length_error& tooLarge) {
        throw FileReadError(file, tooLarge.what());
    }
    FileLines result;
    result.more = raw.more();
    const std::string text = TextDecoding::toUtf8(raw.kept());
    for (const std::string_view line : splitLines(text))
        result.lines.push_back(firstCharacters(std::string(line), kMaxLineCharacters));
    return result;
}

std::vector<std::string> readCaptionIndex(const std::filesystem::path& file) {
    FileLines index = readLines(file, kMaxRecords * kRecordLines);
    if (index.more)
        throw FileReadError(file, "more than " + std::to_string(kMaxRecords) +
                                      " records of five lines; this is no caption index");
    return std::move(index.lines);
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

std::optional<std::size_t> CaptionMatcher::matchAfterGap(std::string_view window,
                                                         std::string_view control) {
    for (std::size_t r = m_position; r < m_records.size(); ++r) {
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
