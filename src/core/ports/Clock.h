#pragma once

#include "base/DrawCalendar.h"

#include <cstdint>

namespace powerball {

class Clock {
public:
    virtual ~Clock() = default;
    virtual DayNumber today() const = 0;
    // A value that changes from start to start, to seed the random generator.
    virtual std::uint32_t seedValue() const = 0;
};

// The machine's clock in local time.
class SystemClock : public Clock {
public:
    DayNumber today() const override;
    std::uint32_t seedValue() const override;
};

// A clock stopped at one day, for tests and the command line's --today.
class FixedClock : public Clock {
public:
    explicit FixedClock(DayNumber day, std::uint32_t seed = 0) : m_day(day), m_seed(seed) {}
    DayNumber today() const override { return m_day; }
    std::uint32_t seedValue() const override { return m_seed; }

private:
    DayNumber m_day;
    std::uint32_t m_seed;
};

} // namespace powerball
