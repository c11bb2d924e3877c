#pragma once

#include "evaluation/MatchClass.h"
#include "sheet/TipSheet.h"

namespace powerball {

// The tip sheet, the counters of its last check, and whether the check runs.
struct SheetState {
    TipSheet tips;
    MatchHistogram histogram;
    bool checkEnabled = false;
};

} // namespace powerball
