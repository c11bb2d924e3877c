#pragma once

#include "base/DrawCalendar.h"

#include <algorithm>
#include <array>

namespace powerball {

// The values of the entry dialog "Zahlen der Ziehung eingeben": a date and the numbers of
// one draw, each number limited to the range of its spin field.
struct DrawEntry {
    static constexpr int kWhiteMin = 1;
    static constexpr int kWhiteMax = 69;
    static constexpr int kPowerballMin = 1;
    static constexpr int kPowerballMax = 39;
    static constexpr int kPowerPlayMin = 0;
    static constexpr int kPowerPlayMax = 11;

    DayNumber date = DrawCalendar::kMinimumDate;
    std::array<int, 5> white{kWhiteMin, kWhiteMin, kWhiteMin, kWhiteMin, kWhiteMin};
    int powerball = kPowerballMin;
    int powerPlay = kPowerPlayMin;

    bool inRange() const {
        const auto whiteInRange = [](int n) { return n >= kWhiteMin && n <= kWhiteMax; };
        return std::all_of(white.begin(), white.end(), whiteInRange) &&
               powerball >= kPowerballMin && powerball <= kPowerballMax &&
               powerPlay >= kPowerPlayMin && powerPlay <= kPowerPlayMax;
    }
    bool operator==(const DrawEntry&) const = default;
};

} // namespace powerball
