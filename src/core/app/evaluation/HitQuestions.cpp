#include "app/evaluation/HitQuestions.h"

#include "base/TextParsing.h"

#include <stdexcept>

namespace powerball {

std::optional<int> askHitThreshold(UserPrompts& prompts, const std::string& caption,
                                   const std::string& prompt, const std::string& preset) {
    const std::optional<std::string> answer = prompts.askText(caption, prompt, preset);
    if (!answer)
        return std::nullopt;
    const std::optional<int> threshold = parseInteger(*answer);
    if (!threshold)
        throw std::invalid_argument("\"" + *answer + "\" is not a whole number");
    return threshold;
}

} // namespace powerball
