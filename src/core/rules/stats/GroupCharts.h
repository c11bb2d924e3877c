#pragma once

#include "base/MessageTable.h"
#include "draws/DrawRecord.h"
#include "rules/stats/StatisticChart.h"
#include "rules/stats/StatisticScan.h"

#include <optional>

namespace powerball {

// Runs of `runLength` consecutive white numbers (pairs 2, triples 3, quads 4) in the draws of
// a scan: bar n counts the draws holding n, n + 1, ... n + runLength - 1. Adds the bars and
// the caption to a chart that has just been started; gives back the numbers of the last
// draw it counted, if any.
std::optional<DrawNumbers> chartGroups(const StatisticScan& scan, int runLength,
                                       const MessageTable& messages, StatisticChart& chart);

} // namespace powerball
