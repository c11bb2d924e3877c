#pragma once

#include "ports/EventPump.h"

#include <functional>

namespace powerball::testing {

// An event pump that counts its calls and runs a test's function at each, as the window's
// pump would let a click through.
class CallbackPump : public EventPump {
public:
    void processEvents() override {
        ++calls;
        if (onPump)
            onPump();
    }

    int calls = 0;
    std::function<void()> onPump;
};

} // namespace powerball::testing
