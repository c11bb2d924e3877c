#pragma once

#include "app/DrawView.h"
#include "app/ProgramFiles.h"
#include "rules/stats/StatisticChart.h"
#include "rules/stats/StatisticScan.h"

namespace powerball {

// Opens the scan of a statistic command: reads the draw file once, from its first record to
// its last (a missing or unreadable file stops the command right there, before the chart is
// touched), copies `StartDate` into `ScanFromDate` and starts a new statistic on the chart.
// The window is `StartDate` .. `SelectedDate`.
StatisticScan openScan(const ProgramFiles& files, DrawView& view, StatisticChart& chart,
                       StatisticScan::StartDay startDay);

} // namespace powerball
