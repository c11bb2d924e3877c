#pragma once

#include "ports/EventPump.h"

#include <QElapsedTimer>

#include <functional>

namespace powerball::ui {

// Lets the window's pending events run, at most about every 10 ms: a long command that asks
// for it after every small step does not spend its time in the event loop.
class QtEventPump : public EventPump {
public:
    QtEventPump();

    void processEvents() override;

    // Called before the pending events run, e.g. to show a command's progress.
    void setBeforeEvents(std::function<void()> beforeEvents) {
        m_beforeEvents = std::move(beforeEvents);
    }

private:
    QElapsedTimer m_sinceLast;
    std::function<void()> m_beforeEvents;
};

} // namespace powerball::ui
