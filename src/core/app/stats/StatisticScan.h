#pragma once

#include "app/AppState.h"
#include "draws/DrawRecord.h"

#include <vector>

namespace powerball {

// The draws one statistic counts: those dated after `ScanFromDate` (or on it, for the
// statistics that count the start day too) up to and including `SelectedDate`.
//
// Opening a scan reads the draw file once, from its first record to its last; a missing or
// unreadable file stops the command right there, before the chart is touched. Then it
// copies `StartDate` into `ScanFromDate` and starts a new statistic on the chart.
class StatisticScan {
public:
    enum class StartDay { Counted, NotCounted };

    StatisticScan(AppState& state, StartDay startDay);

    bool inWindow(double date) const;

    // Calls visit(record) for each draw of the window, in file order.
    template <class Visitor> void forEachDraw(Visitor&& visit) const {
        for (const DrawRecord& record : m_records)
            if (inWindow(record.date))
                visit(record);
    }

private:
    std::vector<DrawRecord> m_records;
    double m_from;
    double m_to;
    bool m_fromCounted;
};

} // namespace powerball
