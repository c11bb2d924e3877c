#pragma once

#include "base/MessageTable.h"
#include "rules/sheet/TipSheet.h"

#include <optional>
#include <string>

namespace powerball {

// Why a row of the sheet is no tip: a field holds something that is not a number, a number
// outside its range (white 1..69, Powerball 1..26), or a white number that stands in the row
// twice. An empty field is no fault: a row that is not filled in yet is simply not checked.
struct RowFault {
    enum class Kind { Unreadable, OutOfRange, Repeated };
    Kind kind = Kind::Unreadable;
    int field = 0;       // the field at fault (0..4 white, 5 Powerball)
    int firstField = -1; // with Repeated: the earlier field of the same number
    std::string text;    // the field's text as the user typed it

    bool operator==(const RowFault&) const = default;
};

// The first fault of the row, from its first field on; nothing when the row may be checked.
std::optional<RowFault> rowFault(const TipRow& row);

// The first faulty row of the sheet (0-based) with its fault.
struct SheetFault {
    int row = 0;
    RowFault fault;
};
std::optional<SheetFault> sheetFault(const TipSheet& sheet);

// The short text in the row's hit column, and the sentence that says what is wrong.
std::string rowFaultShortText(const MessageTable& messages, const RowFault& fault);
std::string rowFaultReason(const MessageTable& messages, const RowFault& fault);

// Why the sheet cannot be handed over or printed: names the row and its fault.
std::string sheetFaultMessage(const MessageTable& messages, const SheetFault& fault);

} // namespace powerball
