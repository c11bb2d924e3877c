#pragma once

#include "base/DrawCalendar.h"

#include <array>

namespace powerball {

// The number ranges of the game on a given day. The drums changed five times before the
// game took its present form on 7 October 2015; a draw keeps the ranges of its own time,
// as the bundled history shows them.
struct DrawEra {
    DayNumber firstDay = 0; // the first draw day of the era
    int highestWhite = 0;
    int highestPowerball = 0;
};

inline constexpr std::array<DrawEra, 6> kDrawEras{{
    {0, 49, 42},     // from the first stored draw on
    {37538, 53, 42}, // 9 October 2002
    {38595, 55, 42}, // 31 August 2005
    {39820, 59, 39}, // 7 January 2009
    {40926, 59, 35}, // 18 January 2012
    {42284, 69, 26}, // 7 October 2015, the game as it is played today
}};

constexpr const DrawEra& drawEraOn(DayNumber day) {
    std::size_t k = kDrawEras.size() - 1;
    while (k > 0 && day < kDrawEras[k].firstDay)
        --k;
    return kDrawEras[k];
}

} // namespace powerball
