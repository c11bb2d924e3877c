#pragma once

#include "app/AppState.h"
#include "stats/StatisticScan.h"

namespace powerball {

// Opens the scan of a statistic command: reads the draw file once, from its first record to
// its last (a missing or unreadable file stops the command right there, before the chart is
// touched), copies `StartDate` into `ScanFromDate` and starts a new statistic on the chart.
// The window is `StartDate` .. `SelectedDate`.
StatisticScan openScan(AppState& state, StatisticScan::StartDay startDay);

} // namespace powerball
