#include "rules/output/TipListing.h"

#include "base/TextParsing.h"
#include "rules/output/TipFile.h"

#include <cstdio>

namespace powerball::TipListing {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string twoColumns(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d", value);
    return buffer;
}

std::string fieldLabel(int field) {
    return field == TipRow::kPowerballField ? "the Powerball"
                                            : "white number " + std::to_string(field + 1);
}

int wholeNumber(const TipSheet& sheet, int rowIndex, int field) {
    const std::string& text = sheet.field(rowIndex, field);
    const std::optional<int> value = parseInteger(text);
    if (!value)
        throw TipListingError("The tips cannot be printed: " + fieldLabel(field) + " of row " +
                              std::to_string(rowIndex + 1) + " is " +
                              (text.empty() ? "empty" : "\"" + text + "\"") +
                              ", not a whole number");
    return *value;
}

} // namespace

std::string rowPrefix(int rowIndex) {
    const int number = rowIndex + 1;
    if (number == 3)
        return " 3.";
    return (number < 10 ? " " : "") + std::to_string(number) + ". ";
}

std::string text(const TipSheet& sheet, const std::string& title, DayNumber drawDay) {
    std::string listing = title + " " + DrawCalendar::shortDate(drawDay) + kLineEnd;
    listing += std::string(46, '~') + kLineEnd;
    listing += kLineEnd;
    for (const Row& row : rows(sheet)) {
        std::string line = rowPrefix(row.rowIndex) + title + ": ";
        for (int f = 0; f < TipRow::kWhiteCount; ++f)
            line += (f > 0 ? "   " : "") + twoColumns(row.white[f]);
        line += "   PowerBall: " + twoColumns(row.powerball);
        listing += line + kLineEnd;
    }
    return listing;
}

std::vector<Row> rows(const TipSheet& sheet) {
    std::vector<Row> result;
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        if (!TipFile::rowCounts(sheet, r))
            continue;
        Row row;
        row.rowIndex = r;
        for (int f = 0; f < TipRow::kWhiteCount; ++f)
            row.white[f] = wholeNumber(sheet, r, f);
        row.powerball = wholeNumber(sheet, r, TipRow::kPowerballField);
        result.push_back(row);
    }
    return result;
}

DayNumber titleDay(double currentDrawDate) {
    return DrawCalendar::drawDayAfter(DrawCalendar::datePart(currentDrawDate));
}

} // namespace powerball::TipListing
