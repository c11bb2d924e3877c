#include "rules/evaluation/TipMatch.h"

#include "base/TextParsing.h"
#include "rules/sheet/TipSheet.h"

namespace powerball {

MatchClass matchTip(const DrawNumbers& draw, const std::array<std::string, 7>& tip) {
    MatchClass match;
    for (int d = 1; d <= 5; ++d) {
        for (std::size_t k = 0; k < 5; ++k) {
            const auto value = parseInteger(tip[k]);
            if (!value)
                return match;
            if (*value == draw.white(d)) {
                match.positionHit[k] = true;
                ++match.hits;
            }
        }
    }
    const auto powerball = parseInteger(tip[TipRow::kPowerballField]);
    if (powerball && *powerball == draw.powerball())
        match.pbHit = true;
    return match;
}

} // namespace powerball
