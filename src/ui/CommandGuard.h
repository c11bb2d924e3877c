#pragma once

#include <functional>

class QWidget;

namespace powerball::ui {

// The general error handler: runs a command and shows any failure in a message box, so the
// window stays usable with what the command had changed until then. Returns whether the
// command ran through.
bool runGuarded(QWidget* parent, const std::function<void()>& command);

} // namespace powerball::ui
