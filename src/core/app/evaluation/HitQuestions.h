#pragma once

#include "ports/UserPrompts.h"

#include <optional>
#include <string>

namespace powerball {

// The number of hits at which the search and the draw analysis stop to ask: nothing when the
// box was cancelled; an answer that is not a whole number raises std::invalid_argument.
std::optional<int> askHitThreshold(UserPrompts& prompts, const std::string& caption,
                                   const std::string& prompt, const std::string& preset);

} // namespace powerball
