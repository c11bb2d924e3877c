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
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        if (!TipFile::rowCounts(sheet, r))
            continue;
        std::string line = rowPrefix(r) + title + ": ";
        for (int f = 0; f < TipRow::kWhiteCount; ++f)
            line += (f > 0 ? "   " : "") + twoColumns(wholeNumber(sheet, r, f));
        line += "   PowerBall: " + twoColumns(wholeNumber(sheet, r, TipRow::kPowerballField));
        listing += line + kLineEnd;
    }
    return listing;
}

DayNumber titleDay(double currentDrawDate) {
    return DrawCalendar::drawDayAfter(DrawCalendar::datePart(currentDrawDate));
}

} // namespace powerball::TipListing
