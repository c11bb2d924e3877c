#pragma once

#include "base/MessageTable.h"
#include "rules/stats/StatisticChart.h"
#include "rules/stats/StatisticScan.h"

namespace powerball {

// The charts of single numbers over the draws of a scan. Each adds its bars and caption to
// a chart that has just been started. Numbers outside 1..69 (white) or 1..26 (Powerball),
// which older records may hold, count toward no bar.

// How often each white number was drawn. The caption gives the draw count and the average
// cross sum; with no draw in the window it keeps its previous text.
void chartNumberFrequency(const StatisticScan& scan, const MessageTable& messages,
                          StatisticChart& chart);

// For each white number, how many counted draws ago it was last drawn: 1 for a number of
// the newest draw, 1 + the draw count for a number not drawn.
void chartOverdueNumbers(const StatisticScan& scan, const MessageTable& messages,
                         StatisticChart& chart);

// How often each Powerball was drawn.
void chartPowerballFrequency(const StatisticScan& scan, const MessageTable& messages,
                             StatisticChart& chart);

// For each Powerball, how many counted draws ago it was last drawn: 1 for the newest draw,
// the draw count for a Powerball not drawn.
void chartOverduePowerballs(const StatisticScan& scan, const MessageTable& messages,
                            StatisticChart& chart);

} // namespace powerball
