#pragma once

#include "base/RandomSource.h"
#include "rules/generator/CalculationSettings.h"

#include <array>

namespace powerball {

// The Powerball of a generated row, from the outstanding and the frequency statistic of
// the Powerballs over the statistics window (the bars of those two charts). Both stay the
// same for the whole run, so they are read once when the run begins.
class PowerballChoice {
public:
    using Table = std::array<int, 26>; // index n - 1 for Powerball n

    PowerballChoice(const Table& outstanding, const Table& frequency)
        : m_outstanding(outstanding), m_frequency(frequency) {}

    // A Powerball 1..26 by the mode. With the exclusion on, a Powerball outstanding fewer
    // than `recentPowerballDraws` draws is passed over; when that would pass over every
    // Powerball (a window with too few draws), the choice is made without the exclusion.
    int choose(const CalculationSettings& options, RandomSource& random) const;

private:
    Table m_outstanding;
    Table m_frequency;
};

} // namespace powerball
