#pragma once

#include "draws/DrawRecord.h"
#include "rules/evaluation/MatchClass.h"

#include <array>
#include <string>

namespace powerball {

// Compares one tip (five white numbers, Powerball, hidden field) with a draw. A text that
// is not a number ends the comparison there; what was counted until then stands.
MatchClass matchTip(const DrawNumbers& draw, const std::array<std::string, 7>& tip);

} // namespace powerball
