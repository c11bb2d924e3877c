#include "TempFolder.h"

#include "base/DrawCalendar.h"
#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#ifndef POWERBALL_SOURCE_DIR
#error "POWERBALL_SOURCE_DIR must name the source tree"
#endif

namespace powerball::testing {

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path& file, const std::string& bytes) {
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

TempFolder::TempFolder() {
    std::random_device device;
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("powerball-test-" + std::to_string(device()));
        if (std::filesystem::create_directory(m_path))
            break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

void TempFolder::writeBytes(const std::string& name,
                            const std::vector<unsigned char>& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> TempFolder::readBytes(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

DayNumber day(const std::string& isoDate) {
    const auto parsed = DrawCalendar::parseIsoDate(isoDate);
    if (!parsed)
        throw std::invalid_argument("bad test date " + isoDate);
    return *parsed;
}

std::string iso(double date) {
    return DrawCalendar::isoDate(DrawCalendar::roundToDay(date));
}

std::vector<DrawRecord> threeOctoberDraws() {
    return {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
            draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
            draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 10)};
}

DrawRecord draw(const std::string& isoDate, std::array<int, 5> white, int powerball,
                int powerPlay) {
    const auto day = DrawCalendar::parseIsoDate(isoDate);
    if (!day)
        throw std::invalid_argument("bad test date " + isoDate);
    DrawRecord record;
    record.date = *day;
    record.setNumbers(white, powerball, powerPlay);
    return record;
}

void writeDrawFile(const TempFolder& folder, const std::vector<DrawRecord>& records) {
    std::vector<unsigned char> bytes;
    for (const DrawRecord& record : records) {
        const auto encoded = record.encode();
        bytes.insert(bytes.end(), encoded.begin(), encoded.end());
    }
    folder.writeBytes(std::string(DrawHistory::kFileName), bytes);
}

std::filesystem::path realHistoryCsv() {
    return std::filesystem::path(POWERBALL_SOURCE_DIR) / "data" / "powerball-draws.csv";
}

std::vector<DrawRecord> realHistory() {
    return readDrawCsv(realHistoryCsv());
}

} // namespace powerball::testing
