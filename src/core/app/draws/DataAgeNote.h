#pragma once

#include "app/ProgramFiles.h"
#include "base/DataAge.h"
#include "base/MessageTable.h"

#include <optional>
#include <string>

namespace powerball {

// What the about box and the note above the pages say about the stored draws.
struct HistoryFacts {
    int drawCount = 0;
    std::optional<DayNumber> newestDraw;

    // Reads the draw file; a missing file holds no draws. A damaged one throws its error.
    static HistoryFacts of(const ProgramFiles& files);

    // How far the draws lag behind `today`; nothing without a draw.
    std::optional<DataAge> age(DayNumber today) const;
};

// "Die Ziehungsdaten enden am … – … Ziehungen fehlen." for stale data, else the newest draw's
// date as current; empty without a draw.
std::string dataAgeText(const MessageTable& messages, const std::optional<DataAge>& age);

} // namespace powerball
