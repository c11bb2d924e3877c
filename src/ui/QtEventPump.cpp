#include "QtEventPump.h"

#include <QCoreApplication>

namespace powerball::ui {

namespace {
constexpr qint64 kIntervalMs = 10;
}

QtEventPump::QtEventPump() {
    m_sinceLast.start();
}

void QtEventPump::processEvents() {
    if (m_sinceLast.elapsed() < kIntervalMs)
        return;
    if (m_beforeEvents)
        m_beforeEvents();
    QCoreApplication::processEvents();
    m_sinceLast.restart();
}

} // namespace powerball::ui
