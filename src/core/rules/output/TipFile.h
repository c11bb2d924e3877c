#pragma once

#include "base/DrawCalendar.h"
#include "rules/sheet/TipSheet.h"

#include <array>
#include <string>
#include <string_view>

namespace powerball {

// The tip file (".vlt"): a line per non-empty row of the sheet, nothing else. A line holds
// the six visible fields, each followed by a comma, then the hidden field ("3,17,22,45,61,9,").
namespace TipFile {

inline constexpr const char* kExtension = "vlt";
inline constexpr const char* kFilter = "Tippdatei (*.vlt)";
// Enough for any tip file; a larger file is read only this far, as its first 12 lines are
// all that is taken from it, and the cut is reported.
inline constexpr std::size_t kMaxReadBytes = 1024 * 1024;

// A line cut the way the reader cuts it: each visible field takes the text before the next
// comma; with no comma left it is empty and the rest stays. `rest` is what is left after the
// Powerball field.
struct SplitLine {
    std::array<std::string_view, TipRow::kHiddenField> visible;
    std::string_view rest;
};
SplitLine split(std::string_view line);

// A row counts when its first white field holds text.
bool rowCounts(const TipSheet& sheet, int rowIndex);

// The file's bytes: the counting rows in sheet order, each ending in CR LF. An empty sheet
// gives an empty file.
std::string text(const TipSheet& sheet);

// Fills rows 1..12 from the first 12 lines of `bytes` (CR LF, LF or CR), whatever the rows'
// lock flags; a row beyond the file's last line becomes empty. Every value goes through the
// field validation, the hidden field takes the whole rest of its line. The caller clears the
// unlocked rows first.
void fill(TipSheet& sheet, std::string_view bytes);

// A tip file's bytes as the loader takes them: a UTF-8 or UTF-16 byte-order mark decides
// the encoding (without one the bytes are UTF-8 or Windows-1252), and whether they are text
// at all. A file with NUL bytes or control characters other than line breaks and tabs (UTF-16
// without its mark, a binary file) is none.
struct DecodedText {
    std::string text; // UTF-8, without the mark
    bool isText = true;
    int linesBeyond = 0; // lines after the 12th that hold more than blanks
};
DecodedText decode(std::string_view bytes);

// True when some field of some row holds a number: the fields keep what a line held, and a
// file without a single number yields no tip.
bool holdsAnyValue(const TipSheet& sheet);

// "yyyymmdd.vlt" of the draw a tip made on `selectedDate` plays for: the first draw day
// after it.
std::string proposedName(double selectedDate);

// "yyyymmdd.vlt" of the hand-over file: the selected date plus a week.
std::string handOverName(double selectedDate);

} // namespace TipFile

} // namespace powerball
