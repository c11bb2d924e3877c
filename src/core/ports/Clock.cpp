#include "ports/Clock.h"

#include <chrono>
#include <ctime>

namespace powerball {

DayNumber SystemClock::today() const {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return DrawCalendar::dayNumber(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::uint32_t SystemClock::seedValue() const {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

} // namespace powerball
