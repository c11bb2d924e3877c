#pragma once

#include "draws/DrawRecord.h"

#include <vector>

namespace powerball {

// The draws one statistic counts: those dated after `from` (or on it, for the statistics
// that count the start day too) up to and including `to`, in file order.
class StatisticScan {
public:
    enum class StartDay { Counted, NotCounted };

    StatisticScan(std::vector<DrawRecord> records, double from, double to, StartDay startDay);

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
