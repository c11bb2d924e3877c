#include "rules/generator/HistorySnapshot.h"

#include "draws/DrawHistory.h"

#include <algorithm>

namespace powerball {

void HistorySnapshot::refresh() {
    const std::uint64_t writes = DrawHistory::writeCount();
    const FileStamp stamp = FileStamp::of(m_path);
    if (m_loaded && writes == m_writeCount && stamp == m_stamp)
        return;
    m_loaded = true;
    m_writeCount = writes;
    m_stamp = stamp;
    m_draws.clear();
    m_ascending = true;
    if (!stamp.exists)
        return;
    for (const DrawRecord& record : DrawHistory(m_path).readAll()) {
        Draw draw;
        draw.date = record.date;
        draw.numbers = record.drawNumbers();
        for (std::size_t k = 0; k < 5; ++k)
            draw.white[k] = record.numbers[k];
        draw.powerball = record.numbers[6];
        if (!m_draws.empty() && draw.date < m_draws.back().date)
            m_ascending = false;
        m_draws.push_back(draw);
    }
}

std::pair<std::size_t, std::size_t> HistorySnapshot::window(double from, double to) const {
    if (!m_ascending)
        return {0, m_draws.size()};
    const auto first = std::partition_point(m_draws.begin(), m_draws.end(),
                                            [from](const Draw& d) { return d.date <= from; });
    const auto last =
        std::partition_point(first, m_draws.end(), [to](const Draw& d) { return d.date <= to; });
    return {static_cast<std::size_t>(first - m_draws.begin()),
            static_cast<std::size_t>(last - m_draws.begin())};
}

} // namespace powerball
