#pragma once

#include "base/MessageTable.h"
#include "draws/DrawRecord.h"
#include "rules/evaluation/MatchClass.h"
#include "rules/evaluation/SheetPrizes.h"
#include "rules/sheet/TipSheet.h"

namespace powerball {

// The check of every row of the sheet against a draw. A row whose five white fields all hold
// numbers is sorted and gets its cross sum, its hit text ("3", "2 + PB"), its colours and
// its place in the histogram, and the hint of its hit text names its prize; a row with an
// empty or unreadable white field loses its hits, hint and colours.
struct SheetCheckResult {
    int notable = 0; // rows with three hits or more, or the Powerball: the sound plays for each
    SheetPrizes prizes;
};
SheetCheckResult checkTipRows(TipSheet& tips, MatchHistogram& histogram, const DrawNumbers& draw,
                              double drawDate, const MessageTable& messages);

} // namespace powerball
