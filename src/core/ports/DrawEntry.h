#pragma once

#include "base/DrawCalendar.h"
#include "base/DrawEras.h"

#include <algorithm>
#include <array>

namespace powerball {

// The values of the entry dialog "Zahlen der Ziehung eingeben": a date and the numbers of
// one draw, each number limited to the range of its spin field. The white and Powerball
// spins follow the ranges of the date's era; kWhiteMax and kPowerballMax are the widest.
struct DrawEntry {
    static constexpr int kWhiteMin = 1;
    static constexpr int kWhiteMax = 69;
    static constexpr int kPowerballMin = 1;
    static constexpr int kPowerballMax = 42;
    static constexpr int kPowerPlayMin = 0;
    static constexpr int kPowerPlayMax = 11;

    DayNumber date = DrawCalendar::kMinimumDate;
    std::array<int, 5> white{kWhiteMin, kWhiteMin, kWhiteMin, kWhiteMin, kWhiteMin};
    int powerball = kPowerballMin;
    int powerPlay = kPowerPlayMin;

    static int highestWhiteOn(DayNumber day) { return drawEraOn(day).highestWhite; }
    static int highestPowerballOn(DayNumber day) { return drawEraOn(day).highestPowerball; }

    bool inRange() const {
        const int highestWhite = highestWhiteOn(date);
        const auto whiteInRange = [highestWhite](int n) {
            return n >= kWhiteMin && n <= highestWhite;
        };
        return std::all_of(white.begin(), white.end(), whiteInRange) &&
               powerball >= kPowerballMin && powerball <= highestPowerballOn(date) &&
               powerPlay >= kPowerPlayMin && powerPlay <= kPowerPlayMax;
    }
    bool operator==(const DrawEntry&) const = default;
};

} // namespace powerball
