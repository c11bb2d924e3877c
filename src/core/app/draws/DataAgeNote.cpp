#include "app/draws/DataAgeNote.h"

#include <algorithm>

namespace powerball {

HistoryFacts HistoryFacts::of(const ProgramFiles& files) {
    HistoryFacts facts;
    const DrawHistory history = files.drawHistory();
    if (!history.exists())
        return facts;
    const std::vector<DrawRecord> records = history.readAll();
    facts.drawCount = static_cast<int>(records.size());
    const auto newest =
        std::max_element(records.begin(), records.end(),
                         [](const DrawRecord& a, const DrawRecord& b) { return a.date < b.date; });
    if (newest != records.end())
        facts.newestDraw = DrawCalendar::datePart(newest->date);
    return facts;
}

std::optional<DataAge> HistoryFacts::age(DayNumber today) const {
    if (!newestDraw)
        return std::nullopt;
    return DataAge::of(*newestDraw, today);
}

std::string dataAgeText(const MessageTable& messages, const std::optional<DataAge>& age) {
    if (!age)
        return {};
    const std::string newest = DrawCalendar::shortDate(age->newestDraw);
    if (age->stale)
        return fillPlaceholders(messages.text(Msg::DataAgeBehind),
                                {newest, std::to_string(age->missingDraws)});
    return fillPlaceholders(messages.text(Msg::DataAgeCurrent), {newest});
}

} // namespace powerball
