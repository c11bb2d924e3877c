#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace powerball::testing {

// Waits until `condition` holds, looking again every few milliseconds; false when it still
// does not after `limit`, so that a test fails rather than hangs. The limit is far above
// what the condition takes on a loaded machine: it is no assertion about speed.
inline bool eventually(const std::function<bool()>& condition,
                       std::chrono::milliseconds limit = std::chrono::seconds(60)) {
    const auto giveUp = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= giveUp)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace powerball::testing
