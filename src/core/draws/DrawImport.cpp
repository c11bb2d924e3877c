#include "draws/DrawImport.h"

#include "base/FileReading.h"
#include "base/MessageTable.h"
#include "base/QuotedExcerpt.h"
#include "base/TextDecoding.h"
#include "base/TextParsing.h"
#include "draws/DrawFileError.h"
#include "draws/DrawValidation.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <istream>
#include <optional>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace powerball {

namespace {

// The lines of a CSV file as spreadsheet programs write it: a UTF-8 or UTF-16 byte-order
// mark is taken off (UTF-16 text goes through the text decoder), and lines end at CR, LF or
// CR LF. A line longer than kMaxLineLength fails the read at once, so a file without line
// breaks is not read into memory whole.
class CsvLines {
public:
    static constexpr std::size_t kMaxLineLength = 1000;
    static constexpr std::size_t kMaxUtf16Bytes = 64 * 1024 * 1024;

    CsvLines(std::istream& input, const std::string& sourceName)
        : m_buffer(input.rdbuf()), m_sourceName(sourceName) {
        if (m_buffer == nullptr)
            throw std::runtime_error(sourceName + ": nothing to read");
        takeByteOrderMark();
    }

    bool next(std::string& line) {
        line.clear();
        int c = get();
        if (c == EOF)
            return false;
        ++m_lineNumber;
        for (; c != EOF && c != '\n' && c != '\r'; c = get()) {
            if (line.size() == kMaxLineLength)
                throw std::runtime_error(m_sourceName + ", line " + std::to_string(m_lineNumber) +
                                         ": longer than " + std::to_string(kMaxLineLength) +
                                         " characters, not a line of draws");
            line.push_back(static_cast<char>(c));
        }
        m_lastLineEnded = c != EOF;
        if (c == '\r' && peek() == '\n')
            get();
        return true;
    }

    // Whether the line read last ended in a line break, rather than at the end of the input.
    bool lastLineEnded() const { return m_lastLineEnded; }

private:
    int get() {
        if (m_head < m_start.size())
            return static_cast<unsigned char>(m_start[m_head++]);
        return m_buffer->sbumpc();
    }
    int peek() {
        if (m_head < m_start.size())
            return static_cast<unsigned char>(m_start[m_head]);
        return m_buffer->sgetc();
    }

    void takeByteOrderMark() {
        for (int k = 0; k < 3; ++k) {
            const int c = m_buffer->sbumpc();
            if (c == EOF)
                break;
            m_start.push_back(static_cast<char>(c));
        }
        if (m_start.starts_with("\xEF\xBB\xBF")) {
            m_head = 3;
        } else if (m_start.starts_with("\xFF\xFE") || m_start.starts_with("\xFE\xFF")) {
            std::string bytes = m_start;
            for (int c = m_buffer->sbumpc(); c != EOF; c = m_buffer->sbumpc()) {
                if (bytes.size() == kMaxUtf16Bytes)
                    throw std::runtime_error(m_sourceName + ": too large for a file of draws");
                bytes.push_back(static_cast<char>(c));
            }
            m_decoded.str(TextDecoding::toUtf8(bytes));
            m_buffer = m_decoded.rdbuf();
            m_start.clear();
        }
    }

    std::streambuf* m_buffer;
    std::string m_sourceName;
    std::string m_start; // the first bytes, read to look for a byte-order mark
    std::size_t m_head = 0;
    std::istringstream m_decoded;
    int m_lineNumber = 0;
    bool m_lastLineEnded = true;
};

} // namespace

namespace {

// A draw of a line, or why the line holds none.
struct LineRead {
    std::optional<DrawRecord> draw;
    std::string problem;
    SkipKind kind = SkipKind::OwnFields;
    std::string excerpt;
};

// `why` is the English reason; its "%1" stands for the quoted part of the line.
LineRead refused(SkipKind kind, std::string_view part, std::string_view why) {
    std::string excerpt = quotedExcerpt(part);
    return {std::nullopt, fillPlaceholders(why, {excerpt}), kind, std::move(excerpt)};
}

// The draw rule, and no date after today when today is known; the date's own faults come
// first, so that the window can name them.
LineRead checked(DrawRecord record, std::string_view line, std::string_view dateField,
                 std::optional<DayNumber> today) {
    if (const auto problem = DrawValidation::drawDayProblem(static_cast<DayNumber>(record.date)))
        return refused(SkipKind::NoDrawDay, dateField, "%1: " + *problem);
    if (today)
        if (const auto problem = DrawValidation::afterTodayProblem(record, *today))
            return refused(SkipKind::AfterToday, dateField, "%1: " + *problem);
    if (const auto problem = DrawValidation::newDrawProblem(record))
        return refused(SkipKind::InvalidDraw, line, "not a valid draw: " + *problem);
    LineRead read;
    read.draw = record;
    return read;
}

std::optional<std::uint8_t> byteNumber(std::string_view text) {
    const auto value = parseInteger(trimmed(text, " \t\r"));
    if (!value || *value < 0 || *value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

// date,white1,white2,white3,white4,white5,powerball,power_play
LineRead ownLine(std::string_view line, std::optional<DayNumber> today) {
    const std::vector<std::string_view> fields = splitFields(line, ',');
    if (fields.size() != 8)
        return refused(SkipKind::OwnFields, line, "expected a date and seven numbers, not %1");
    const auto day = DrawCalendar::parseIsoDate(trimmed(fields[0], " \t\r"));
    if (!day)
        return refused(SkipKind::IsoDate, fields[0], "%1 is not a date of the form yyyy-mm-dd");
    DrawRecord record;
    record.date = *day;
    for (std::size_t k = 1; k < 8; ++k) {
        const auto value = byteNumber(fields[k]);
        if (!value)
            return refused(SkipKind::Number, fields[k], "%1 is not a number from 0 to 255");
        // Columns 1..5 are the white numbers, 6 the Powerball, 7 the Power Play;
        // the sixth slot of the record stays 0.
        record.numbers[k < 6 ? k - 1 : k] = *value;
    }
    return checked(record, line, fields[0], today);
}

// Spreadsheets put quotes around a field now and then.
std::string_view unquoted(std::string_view field) {
    field = trimmed(field, " \t\r");
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"')
        field = trimmed(field.substr(1, field.size() - 2), " \t");
    return field;
}

// mm/dd/yyyy, as the public results write their dates; a one-digit month or day will do.
std::optional<DayNumber> usDate(std::string_view text) {
    const std::vector<std::string_view> parts = splitFields(text, '/');
    if (parts.size() != 3 || parts[0].size() > 2 || parts[1].size() > 2 || parts[2].size() != 4)
        return std::nullopt;
    const auto month = parseInteger(parts[0]);
    const auto day = parseInteger(parts[1]);
    const auto year = parseInteger(parts[2]);
    // Two digits and four at most, as the lengths above allow: the ISO text always fits.
    if (!month || !day || !year || *month < 1 || *month > 99 || *day < 1 || *day > 99 ||
        *year < 1 || *year > 9999)
        return std::nullopt;
    char iso[32];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", *year, *month, *day);
    return DrawCalendar::parseIsoDate(iso);
}

// 09/26/2020,11 21 27 36 62 24,3
LineRead publicLine(std::string_view line, std::optional<DayNumber> today) {
    const std::vector<std::string_view> fields = splitFields(line, ',');
    if (fields.size() != 3)
        return refused(SkipKind::PublicFields, line,
                       "expected a date, six numbers and a multiplier, not %1");
    const auto day = usDate(unquoted(fields[0]));
    if (!day)
        return refused(SkipKind::UsDate, fields[0], "%1 is not a date of the form mm/dd/yyyy");
    const auto notSixNumbers = [&] {
        return refused(SkipKind::SixNumbers, fields[1], "%1 are not six numbers from 0 to 255");
    };
    std::vector<std::uint8_t> numbers;
    for (std::string_view number : splitFields(unquoted(fields[1]), ' ')) {
        if (number.empty())
            continue; // two blanks between numbers
        const auto value = byteNumber(number);
        if (!value || numbers.size() == 6)
            return notSixNumbers();
        numbers.push_back(*value);
    }
    if (numbers.size() != 6)
        return notSixNumbers();
    DrawRecord record;
    record.date = *day;
    std::copy(numbers.begin(), numbers.begin() + 5, record.numbers.begin());
    record.numbers[6] = numbers[5];
    const std::string_view multiplier = unquoted(fields[2]);
    if (!multiplier.empty()) {
        const auto value = byteNumber(multiplier);
        if (!value)
            return refused(SkipKind::Multiplier, fields[2], "%1 is not a multiplier from 0 to 255");
        record.numbers[7] = *value;
    }
    return checked(record, line, fields[0], today);
}

bool startsWithWord(std::string_view line, std::string_view word) {
    if (line.size() < word.size())
        return false;
    for (std::size_t k = 0; k < word.size(); ++k)
        if (std::tolower(static_cast<unsigned char>(line[k])) != word[k])
            return false;
    return true;
}

// The last line of the input when it had no line break: a writer may not be done with it.
struct OpenLastLine {
    int line = 0; // 0: the input ended in a line break, or its last line was blank
    std::string excerpt;
    bool stored = false; // it gave the last draw of the content
};

// Reads the lines of either form; `take` gets each line's number and what it held.
template <class Take>
DrawCsvForm readLines(std::istream& input, const std::string& sourceName,
                      std::optional<DayNumber> today, Take take, OpenLastLine* openLast = nullptr) {
    CsvLines lines(input, sourceName);
    DrawCsvForm form = DrawCsvForm::Own;
    std::string text;
    int lineNumber = 0;
    bool headerSeen = false;
    while (lines.next(text)) {
        ++lineNumber;
        const std::string_view line = trimmed(text, " \t\r");
        if (line.empty())
            continue;
        if (openLast)
            *openLast = lines.lastLineEnded() ? OpenLastLine{}
                                              : OpenLastLine{lineNumber, quotedExcerpt(line)};
        if (!headerSeen) {
            headerSeen = true;
            if (startsWithWord(unquoted(line), "draw date")) {
                form = DrawCsvForm::PublicResults;
                continue;
            }
            if (lineNumber == 1 && line.starts_with("date"))
                continue;
        }
        take(lineNumber,
             form == DrawCsvForm::PublicResults ? publicLine(line, today) : ownLine(line, today));
    }
    return form;
}

DrawCsvContent readContent(std::istream& input, const std::string& sourceName,
                           std::optional<DayNumber> today, OpenLastLine* openLast = nullptr) {
    DrawCsvContent content;
    int lastDrawLine = 0;
    content.form = readLines(
        input, sourceName, today,
        [&](int lineNumber, LineRead read) {
            if (read.draw) {
                content.draws.push_back(*read.draw);
                content.drawLines.push_back(lineNumber);
                lastDrawLine = lineNumber;
            } else {
                content.skipped.push_back(
                    {lineNumber, std::move(read.problem), read.kind, std::move(read.excerpt)});
            }
        },
        openLast);
    if (openLast)
        openLast->stored = openLast->line != 0 && lastDrawLine == openLast->line;
    return content;
}

// Each file of draws is read through a descriptor that never blocks: a FIFO or a folder is
// refused with what it is.
template <class Read> auto readRegularFile(const std::filesystem::path& file, Read read) {
    try {
        RegularFile regular(file);
        RegularFileBuffer buffer(regular);
        std::istream input(&buffer);
        return read(input, regular, buffer);
    } catch (const FileReadError& failure) {
        throw DrawFileError(file, "open for reading", failure.reason);
    }
}

} // namespace

std::vector<DrawRecord> readDrawCsv(std::istream& input, const std::string& sourceName) {
    std::vector<DrawRecord> records;
    readLines(input, sourceName, std::nullopt, [&](int lineNumber, LineRead read) {
        if (!read.draw)
            throw std::runtime_error(sourceName + ", line " + std::to_string(lineNumber) + ": " +
                                     read.problem);
        records.push_back(*read.draw);
    });
    return records;
}

DrawCsvContent readAnyDrawCsv(std::istream& input, const std::string& sourceName,
                              std::optional<DayNumber> today) {
    return readContent(input, sourceName, today);
}

DrawCsvContent readAnyDrawCsv(std::istream& input, const std::string& sourceName,
                              const std::function<bool()>& unchangedWhileRead,
                              std::optional<DayNumber> today) {
    OpenLastLine openLast;
    DrawCsvContent content = readContent(input, sourceName, today, &openLast);
    if (openLast.line == 0 || unchangedWhileRead())
        return content;
    if (openLast.stored) {
        content.draws.pop_back();
        content.drawLines.pop_back();
    } else {
        std::erase_if(content.skipped,
                      [&](const SkippedLine& skipped) { return skipped.line == openLast.line; });
    }
    content.skipped.push_back({openLast.line,
                               fillPlaceholders("the last line %1 has no line end and the file "
                                                "was still being written while it was read",
                                                {openLast.excerpt}),
                               SkipKind::UnfinishedLine, openLast.excerpt});
    return content;
}

DrawCsvContent readAnyDrawCsv(const std::filesystem::path& file, std::optional<DayNumber> today) {
    return readRegularFile(file, [&file, today](std::istream& input, const RegularFile& regular,
                                                const RegularFileBuffer& buffer) {
        return readAnyDrawCsv(
            input, file.string(),
            [&] {
                return buffer.bytesRead() == regular.sizeAtOpening() &&
                       regular.currentSize() == regular.sizeAtOpening();
            },
            today);
    });
}

ImportPlan planImport(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& draws) {
    std::unordered_map<double, const DrawRecord*> byDate;
    for (const DrawRecord& record : stored)
        byDate.try_emplace(record.date, &record);
    // One draw per date, the later of the list winning, as the merge stores them.
    std::unordered_map<double, std::size_t> lastOfDate;
    for (std::size_t k = 0; k < draws.size(); ++k)
        lastOfDate[draws[k].date] = k;
    ImportPlan plan;
    for (std::size_t k = 0; k < draws.size(); ++k) {
        const DrawRecord& draw = draws[k];
        if (lastOfDate[draw.date] != k)
            continue;
        const auto storedDraw = byDate.find(draw.date);
        if (storedDraw == byDate.end())
            plan.added.push_back(draw);
        else if (!DrawValidation::sameDraw(storedDraw->second->numbers, draw.numbers))
            plan.changed.push_back(draw);
        else
            ++plan.unchanged;
    }
    return plan;
}

std::vector<DrawRecord> readDrawCsv(const std::filesystem::path& file) {
    return readRegularFile(
        file, [&file](std::istream& input, const RegularFile&, const RegularFileBuffer&) {
            return readDrawCsv(input, file.string());
        });
}

void importDraws(const DrawHistory& history, std::vector<DrawRecord> draws) {
    history.modify([&draws](std::vector<DrawRecord>& stored) {
        std::unordered_map<double, const DrawRecord*> byDate;
        for (const DrawRecord& record : stored)
            byDate.try_emplace(record.date, &record);
        const DrawRecord lastStored = stored.empty() ? DrawRecord{} : stored.back();
        for (DrawRecord& draw : draws) {
            const auto replaced = byDate.find(draw.date);
            draw.tail = replaced != byDate.end() ? replaced->second->tail : lastStored.tail;
        }
        stored = mergedByDate(stored, draws);
    });
}

std::size_t addMissingDraws(const DrawHistory& history, std::vector<DrawRecord> draws) {
    std::size_t added = 0;
    history.modify([&draws, &added](std::vector<DrawRecord>& stored) {
        std::unordered_set<double> storedDates;
        for (const DrawRecord& record : stored)
            storedDates.insert(record.date);
        const DrawRecord lastStored = stored.empty() ? DrawRecord{} : stored.back();
        std::vector<DrawRecord> missing;
        for (DrawRecord& draw : draws) {
            // A list naming one date twice adds it once.
            if (!storedDates.insert(draw.date).second)
                continue;
            draw.tail = lastStored.tail;
            missing.push_back(draw);
        }
        added = missing.size();
        if (!missing.empty())
            stored = mergedByDate(stored, missing);
    });
    return added;
}

} // namespace powerball
