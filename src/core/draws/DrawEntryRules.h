#pragma once

#include "base/MessageTable.h"
#include "draws/DrawRecord.h"
#include "ports/DrawEntry.h"

#include <optional>
#include <string>

namespace powerball {

// The entry dialog filled from a record: a stored value outside a spin's range shows as the
// nearest value the spin allows.
DrawEntry drawEntryFromRecord(const DrawRecord& record);

// Why the entry cannot be stored: a value outside its spin's range, or a draw that breaks
// the rule of every draw (five different white numbers); nothing when it can.
std::optional<std::string> drawEntryProblem(const DrawEntry& entry);

// Why the entry dialog cannot take its values, and the field to mark: 0 the date, 1..5 the
// white numbers, 6 the Powerball, 7 the Power Play. A white number entered twice is named in
// the user's language; any other breach of the draw rule keeps the rule's own words and
// marks the date.
struct DrawEntryFault {
    int field = 0;
    std::string reason;
};
std::optional<DrawEntryFault> drawEntryFault(const DrawEntry& entry, const MessageTable& messages);

} // namespace powerball
