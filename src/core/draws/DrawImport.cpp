#include "draws/DrawImport.h"

#include "app/TipSheet.h"
#include "draws/DrawFileError.h"
#include "draws/DrawValidation.h"

#include <fstream>
#include <sstream>
#include <unordered_map>

namespace powerball {

namespace {

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, ','))
        fields.push_back(field);
    if (!line.empty() && line.back() == ',')
        fields.emplace_back();
    return fields;
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

std::vector<DrawRecord> readDrawCsv(std::istream& input, const std::string& sourceName) {
    std::vector<DrawRecord> records;
    std::string line;
    int lineNumber = 0;
    while (std::getline(input, line)) {
        ++lineNumber;
        line = trimmed(line);
        if (line.empty() || (lineNumber == 1 && line.rfind("date", 0) == 0))
            continue;
        const auto fail = [&](const std::string& why) {
            return std::runtime_error(sourceName + ", line " + std::to_string(lineNumber) + ": " +
                                      why);
        };
        const std::vector<std::string> fields = splitFields(line);
        if (fields.size() != 8)
            throw fail("expected a date and seven numbers");
        const auto day = DrawCalendar::parseIsoDate(trimmed(fields[0]));
        if (!day)
            throw fail("\"" + fields[0] + "\" is not a date of the form yyyy-mm-dd");
        std::array<std::uint8_t, 8> numbers{};
        for (std::size_t k = 1; k < 8; ++k) {
            const auto value = TipSheet::parseInteger(trimmed(fields[k]));
            if (!value || *value < 0 || *value > 255)
                throw fail("\"" + fields[k] + "\" is not a number from 0 to 255");
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

} // namespace powerball
