#include "draws/DrawEntryRules.h"

#include "draws/DrawValidation.h"

#include <algorithm>
#include <cmath>

namespace powerball {

DrawEntry drawEntryFromRecord(const DrawRecord& record) {
    const DrawNumbers numbers = record.drawNumbers();
    DrawEntry entry;
    // A damaged date opens the picker at its minimum instead of at a day no calendar has.
    if (std::isfinite(record.date) && record.date >= 1 && record.date <= DrawCalendar::kLatestDate)
        entry.date = DrawCalendar::roundToDay(record.date);
    for (int k = 1; k <= 5; ++k)
        entry.white[static_cast<std::size_t>(k - 1)] = std::clamp(
            numbers.white(k), DrawEntry::kWhiteMin, DrawEntry::highestWhiteOn(entry.date));
    entry.powerball = std::clamp(numbers.powerball(), DrawEntry::kPowerballMin,
                                 DrawEntry::highestPowerballOn(entry.date));
    entry.powerPlay =
        std::clamp(numbers.powerPlay(), DrawEntry::kPowerPlayMin, DrawEntry::kPowerPlayMax);
    return entry;
}

std::optional<std::string> drawEntryProblem(const DrawEntry& entry) {
    if (!entry.inRange())
        return "on " + DrawCalendar::isoDate(entry.date) + " white numbers are 1.." +
               std::to_string(DrawEntry::highestWhiteOn(entry.date)) + ", the Powerball 1.." +
               std::to_string(DrawEntry::highestPowerballOn(entry.date)) +
               " and the Power Play 0..11";
    DrawRecord record;
    record.date = entry.date;
    record.setNumbers(entry.white, entry.powerball, entry.powerPlay);
    return DrawValidation::newDrawProblem(record);
}

std::optional<DrawEntryFault> drawEntryFault(const DrawEntry& entry, const MessageTable& messages) {
    for (std::size_t k = 1; k < entry.white.size(); ++k)
        for (std::size_t earlier = 0; earlier < k; ++earlier)
            if (entry.white[k] == entry.white[earlier])
                return DrawEntryFault{static_cast<int>(k) + 1,
                                      fillPlaceholders(messages.text(Msg::RepeatedNumber),
                                                       {std::to_string(entry.white[k])})};
    if (auto problem = drawEntryProblem(entry))
        return DrawEntryFault{0, std::move(*problem)};
    return std::nullopt;
}

} // namespace powerball
