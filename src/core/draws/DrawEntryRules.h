#pragma once

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

} // namespace powerball
