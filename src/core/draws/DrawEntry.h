#pragma once

#include "draws/DrawCalendar.h"
#include "draws/DrawRecord.h"

#include <array>
#include <optional>
#include <string>

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

    // The dialog filled from a record: a stored value outside a spin's range shows as the
    // nearest value the spin allows.
    static DrawEntry fromRecord(const DrawRecord& record);

    bool inRange() const;
    // Why the entry cannot be stored: a value outside its spin's range, or a draw that
    // breaks the rule of every draw (five different white numbers); nothing when it can.
    std::optional<std::string> problem() const;
    bool operator==(const DrawEntry&) const = default;
};

} // namespace powerball
