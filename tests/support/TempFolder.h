#pragma once

#include "base/DrawCalendar.h"
#include "draws/DrawRecord.h"

#include <filesystem>
#include <string>
#include <vector>

namespace powerball::testing {

// A fresh folder under the system's temp folder, removed again at the end of the test.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::filesystem::path file(const std::string& name) const { return m_path / name; }

    void writeBytes(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::vector<unsigned char> readBytes(const std::string& name) const;

private:
    std::filesystem::path m_path;
};

// A file's whole content, empty when it cannot be read.
std::string readText(const std::filesystem::path& file);
// Writes the bytes as the file's whole content, making its folder when needed.
void writeText(const std::filesystem::path& file, const std::string& bytes);

// The day number of an ISO date written into a test.
DayNumber day(const std::string& isoDate);

// The ISO date of a stored draw date (a day number, maybe with a time of day).
std::string iso(double date);

// A draw record from an ISO date and its numbers.
DrawRecord draw(const std::string& isoDate, std::array<int, 5> white, int powerball,
                int powerPlay = 2);

// Three draws of October 2015 that the tip check and the browser tests step through.
std::vector<DrawRecord> threeOctoberDraws();

// Writes the records as a draw file named Powerball.dat into the folder.
void writeDrawFile(const TempFolder& folder, const std::vector<DrawRecord>& records);

// The bundled draw history, as records.
std::vector<DrawRecord> realHistory();
std::filesystem::path realHistoryCsv();

} // namespace powerball::testing
