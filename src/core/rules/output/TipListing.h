#pragma once

#include "base/DrawCalendar.h"
#include "rules/sheet/TipSheet.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace powerball {

// A counting row whose fields are not all whole numbers cannot be printed.
class TipListingError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The printable listing "Tipp.txt": the title line ("Velmars Dediv-Tipp für " and the draw
// date), a rule of 46 tildes, an empty line, then a line per counting row under its own row
// number, every line ending in CR LF. `title` is the message table's tip title, which also
// opens every row line.
namespace TipListing {

inline constexpr const char* kFileName = "Tipp.txt";

// The row number as it opens a row line; row 3 has always been one blank short.
std::string rowPrefix(int rowIndex);

std::string text(const TipSheet& sheet, const std::string& title, DayNumber drawDay);

// A counting row as numbers, for a page set as a table.
struct Row {
    int rowIndex = 0;
    std::array<int, TipRow::kWhiteCount> white{};
    int powerball = 0;
};
std::vector<Row> rows(const TipSheet& sheet);

// The draw the listing is for: the first draw day after the shown draw's date.
DayNumber titleDay(double currentDrawDate);

} // namespace TipListing

} // namespace powerball
