#include "draws/DrawEntry.h"

#include "draws/DrawValidation.h"

#include <algorithm>
#include <cmath>

namespace powerball {

DrawEntry DrawEntry::fromRecord(const DrawRecord& record) {
    const DrawNumbers numbers = record.drawNumbers();
    DrawEntry entry;
    // A damaged date opens the picker at its minimum instead of at a day no calendar has.
    if (std::isfinite(record.date) && record.date >= 1 && record.date <= DrawCalendar::kLatestDate)
        entry.date = DrawCalendar::roundToDay(record.date);
    for (int k = 1; k <= 5; ++k)
        entry.white[static_cast<std::size_t>(k - 1)] =
            std::clamp(numbers.white(k), kWhiteMin, kWhiteMax);
    entry.powerball = std::clamp(numbers.powerball(), kPowerballMin, kPowerballMax);
    entry.powerPlay = std::clamp(numbers.powerPlay(), kPowerPlayMin, kPowerPlayMax);
    return entry;
}

bool DrawEntry::inRange() const {
    const auto whiteInRange = [](int n) { return n >= kWhiteMin && n <= kWhiteMax; };
    return std::all_of(white.begin(), white.end(), whiteInRange) && powerball >= kPowerballMin &&
           powerball <= kPowerballMax && powerPlay >= kPowerPlayMin && powerPlay <= kPowerPlayMax;
}

std::optional<std::string> DrawEntry::problem() const {
    if (!inRange())
        return "white numbers are 1..69, the Powerball 1..39 and the Power Play 0..11";
    DrawRecord record;
    record.date = date;
    record.setNumbers(white, powerball, powerPlay);
    return DrawValidation::newDrawProblem(record);
}

} // namespace powerball
