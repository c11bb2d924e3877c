#include "draws/DrawImport.h"

#include "base/QuotedExcerpt.h"
#include "base/TextDecoding.h"
#include "base/TextParsing.h"
#include "draws/DrawFileError.h"
#include "draws/DrawValidation.h"

#include <fstream>
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
        if (c == '\r' && peek() == '\n')
            get();
        return true;
    }

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
};

} // namespace

std::vector<DrawRecord> readDrawCsv(std::istream& input, const std::string& sourceName) {
    std::vector<DrawRecord> records;
    CsvLines lines(input, sourceName);
    std::string line;
    int lineNumber = 0;
    while (lines.next(line)) {
        ++lineNumber;
        line = std::string(trimmed(line, " \t\r"));
        if (line.empty() || (lineNumber == 1 && line.rfind("date", 0) == 0))
            continue;
        const auto fail = [&](const std::string& why) {
            return std::runtime_error(sourceName + ", line " + std::to_string(lineNumber) + ": " +
                                      why);
        };
        const std::vector<std::string_view> fields = splitFields(line, ',');
        if (fields.size() != 8)
            throw fail("expected a date and seven numbers, not " + quotedExcerpt(line));
        const auto day = DrawCalendar::parseIsoDate(trimmed(fields[0], " \t\r"));
        if (!day)
            throw fail(quotedExcerpt(fields[0]) + " is not a date of the form yyyy-mm-dd");
        std::array<std::uint8_t, 8> numbers{};
        for (std::size_t k = 1; k < 8; ++k) {
            const auto value = parseInteger(trimmed(fields[k], " \t\r"));
            if (!value || *value < 0 || *value > 255)
                throw fail(quotedExcerpt(fields[k]) + " is not a number from 0 to 255");
            // Columns 1..5 are the white numbers, 6 the Powerball, 7 the Power Play;
            // the sixth slot of the record stays 0.
            numbers[k < 6 ? k - 1 : k] = static_cast<std::uint8_t>(*value);
        }
        DrawRecord record;
        record.date = *day;
        record.numbers = numbers;
        if (const auto problem = DrawValidation::newDrawProblem(record))
            throw fail("not a valid draw: " + *problem);
        records.push_back(record);
    }
    return records;
}

std::vector<DrawRecord> readDrawCsv(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    if (!input)
        throw DrawFileError::fromErrno(file, "open for reading");
    return readDrawCsv(input, file.string());
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
