#pragma once

#include <QObject>

class QWidget;

namespace powerball::ui {

// For timing the start-up from outside: when the environment names POWERBALL_FIRST_PAINT,
// the moment the window is first shown on screen (CLOCK_MONOTONIC in nanoseconds) is
// written to standard output and the process ends at once, before any setting is saved.
// Without the variable nothing happens. Needs nothing but Qt Widgets, so that an empty
// window can be timed the same way.
class FirstPaintReport : public QObject {
public:
    static constexpr const char* kVariable = "POWERBALL_FIRST_PAINT";

    // Watches `window` when the variable is set.
    static void watchIfAsked(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

} // namespace powerball::ui
