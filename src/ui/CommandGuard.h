#pragma once

#include "ports/UserPrompts.h"

#include <functional>

namespace powerball::ui {

// The general error handler: runs a command and shows any failure as the prompts' failure
// box, so the
// window stays usable with what the command had changed until then. Returns whether the
// command ran through.
bool runGuarded(UserPrompts& prompts, const std::function<void()>& command);

} // namespace powerball::ui
