#pragma once

#include "rules/evaluation/MatchClass.h"
#include "rules/evaluation/SheetPrizes.h"
#include "rules/sheet/TipSheet.h"

#include <string>

namespace powerball {

// The tip sheet, the counters and prizes of its last check, and whether the check runs.
struct SheetState {
    TipSheet tips;
    MatchHistogram histogram;
    SheetPrizes prizes;
    // The winnings note the last check put into the status bar, so that the next check can
    // take it away again without touching another note.
    std::string prizeNote;
    bool checkEnabled = false;
};

} // namespace powerball
