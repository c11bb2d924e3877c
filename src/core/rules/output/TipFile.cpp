#include "rules/output/TipFile.h"

#include "base/TextDecoding.h"
#include "base/TextParsing.h"

#include <algorithm>

namespace powerball::TipFile {

namespace {

// The text before the first comma; the working copy loses it and the comma. With no comma
// the field is empty and the copy stays as it is.
std::string_view takeField(std::string_view& working) {
    const std::size_t comma = working.find(',');
    if (comma == std::string_view::npos)
        return {};
    const std::string_view field = working.substr(0, comma);
    working.remove_prefix(comma + 1);
    return field;
}

} // namespace

SplitLine split(std::string_view line) {
    SplitLine result;
    for (std::string_view& field : result.visible)
        field = takeField(line);
    result.rest = line;
    return result;
}

bool rowCounts(const TipSheet& sheet, int rowIndex) {
    return !sheet.field(rowIndex, 0).empty();
}

std::string text(const TipSheet& sheet) {
    std::string bytes;
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        if (!rowCounts(sheet, r))
            continue;
        for (int f = 0; f < TipRow::kHiddenField; ++f)
            bytes += sheet.field(r, f) + ',';
        bytes += sheet.field(r, TipRow::kHiddenField);
        bytes += "\r\n";
    }
    return bytes;
}

void fill(TipSheet& sheet, std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const std::size_t index = static_cast<std::size_t>(r);
        const SplitLine fields = split(index < lines.size() ? lines[index] : std::string_view{});
        for (int f = 0; f < TipRow::kHiddenField; ++f)
            sheet.setField(r, f, fields.visible[static_cast<std::size_t>(f)]);
        sheet.setField(r, TipRow::kHiddenField, fields.rest);
    }
}

DecodedText decode(std::string_view bytes) {
    DecodedText result;
    result.text = TextDecoding::toUtf8(bytes);
    result.isText = std::none_of(result.text.begin(), result.text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F;
    });
    const std::vector<std::string_view> lines = splitLines(result.text);
    for (std::size_t k = TipSheet::kRowCount; k < lines.size(); ++k)
        if (!trimmed(lines[k]).empty())
            ++result.linesBeyond;
    return result;
}

bool holdsAnyValue(const TipSheet& sheet) {
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        for (int f = 0; f <= TipRow::kHiddenField; ++f)
            if (parseInteger(sheet.field(r, f)))
                return true;
    return false;
}

std::string proposedName(double selectedDate) {
    const DayNumber day = DrawCalendar::datePart(selectedDate);
    return DrawCalendar::yyyymmdd(DrawCalendar::drawDayAfter(day)) + "." + kExtension;
}

std::string handOverName(double selectedDate) {
    return DrawCalendar::yyyymmdd(DrawCalendar::datePart(selectedDate) + 7) + "." + kExtension;
}

} // namespace powerball::TipFile
