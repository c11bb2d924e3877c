#pragma once

#include "app/AppState.h"

namespace powerball {

// The four statistics of single numbers over the draws from `StartDate` to `SelectedDate`.
// Each reads the draw file once and replaces the chart; the tip generator runs them and
// reads the bars back. Numbers outside 1..69 (white) or 1..26 (Powerball), which older
// records may hold, count toward no bar.

// How often each white number was drawn; both the start day and the selected day count.
// The caption gives the draw count and the average cross sum; with no draw in the window
// it keeps its previous text. Leaves the page in front as it is.
void showNumberFrequency(AppState& state);

// For each white number, how many counted draws ago it was last drawn: 1 for a number of
// the newest draw, 1 + the draw count for a number not drawn. The start day does not
// count. Brings the chart page to the front.
void showOverdueNumbers(AppState& state);

// How often each Powerball was drawn; both bounds count. Leaves the page in front as it is.
void showPowerballFrequency(AppState& state);

// For each Powerball, how many counted draws ago it was last drawn: 1 for the newest draw,
// the draw count for a Powerball not drawn. The start day does not count. Brings the chart
// page to the front, except while the generator runs.
void showOverduePowerballs(AppState& state);

} // namespace powerball
