#pragma once

namespace powerball {

// Lets pending user-interface events run while a long command works, so that the window
// repaints and a press of a stop button reaches the command.
class EventPump {
public:
    virtual ~EventPump() = default;
    virtual void processEvents() = 0;
};

} // namespace powerball
