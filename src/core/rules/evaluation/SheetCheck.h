#pragma once

#include "draws/DrawRecord.h"
#include "evaluation/MatchClass.h"
#include "sheet/TipSheet.h"

namespace powerball {

// The check of every row of the sheet against a draw. A row whose five white fields all hold
// numbers is sorted and gets its cross sum, its hit text ("3", "2 + PB"), its colours and
// its place in the histogram; a row with an empty or unreadable white field loses its hits
// and colours. Returns how many rows were notable (three hits or more, or the Powerball),
// for each of which the sound plays.
int checkTipRows(TipSheet& tips, MatchHistogram& histogram, const DrawNumbers& draw);

} // namespace powerball
