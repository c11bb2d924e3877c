#pragma once

#include "base/MessageTable.h"
#include "rules/sheet/TipSheet.h"
#include "rules/stats/StatisticChart.h"
#include "rules/stats/StatisticScan.h"

namespace powerball {

// How the cross sums of the scan's draws are spread: a bar for every sum from the smallest
// to the largest drawn (sums above 345, from damaged records, count toward no bar), the
// caption with the draw count and the average sum.
void chartCrossSums(const StatisticScan& scan, const MessageTable& messages, StatisticChart& chart);

// How often each white number stands in the tip sheet, counted up to the first field that
// holds no number. Starts the chart itself: it reads no draws.
void chartTipDistribution(const TipSheet& tips, const MessageTable& messages,
                          StatisticChart& chart);

} // namespace powerball
