#pragma once

#include "app/AppState.h"

namespace powerball {

// How the cross sums (sums of the five white numbers) of the draws are spread, over the
// draws after `StartDate` up to `SelectedDate`: one bar for every sum from the smallest to
// the largest that occurred, automatic value axis. The caption gives the draw count and
// the average cross sum; with no draw there are no bars and the caption keeps its previous
// text. Leaves the page in front as it is. A sum above 345, which only a damaged record can
// have, counts toward no bar and does not widen the chart.
void showCrossSums(AppState& state);

// How often each white number 1..69 stands on the tip sheet, read row by row; the first
// field that holds no number ends the count, even for the rows after it. Brings the chart
// page to the front. Reads no draw.
void showTipDistribution(AppState& state);

} // namespace powerball
