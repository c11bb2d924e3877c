#include "app/stats/StateScan.h"

namespace powerball {

StatisticScan openScan(const ProgramFiles& files, DrawView& view, StatisticChart& chart,
                       StatisticScan::StartDay startDay) {
    StatisticScan scan(files.drawHistory().readAll(), view.startDate, view.selectedDate, startDay);
    view.scanFromDate = view.startDate;
    chart.startStatistic();
    return scan;
}

} // namespace powerball
