#pragma once

#include "platform/EventPump.h"

#include <QElapsedTimer>

namespace powerball::ui {

// Lets the window's pending events run, at most about every 10 ms: a long command that asks
// for it after every small step does not spend its time in the event loop.
class QtEventPump : public EventPump {
public:
    QtEventPump();

    void processEvents() override;

private:
    QElapsedTimer m_sinceLast;
};

} // namespace powerball::ui
