#pragma once

#include "app/AppState.h"

namespace powerball {

// Runs of consecutive white numbers drawn together: pairs n, n + 1; triples n .. n + 2;
// quads n .. n + 3. For each starting number the chart shows how many draws of the window
// (start day not counted, selected day counted) hold the whole run; a draw with 4 5 6
// adds to the pairs at 4 and 5 and to the triple at 4. The caption gives the draw count
// and the number of runs found. Each brings the chart page to the front.
//
// Side effect the tip check relies on: the numbers of the last draw of the window become
// those of the current draw, whose date and index stay as they were. With no draw in the
// window the current draw is not changed.

// 68 bars (x = 1..68), value axis fixed from the smallest to the largest bar.
void showPairs(AppState& state);
// 67 bars (x = 1..67), value axis fixed from the smallest to the largest bar.
void showTriples(AppState& state);
// 69 bars (x = 1..69, bars 67..69 always 0), automatic value axis.
void showQuads(AppState& state);

} // namespace powerball
