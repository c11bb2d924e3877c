#include "rules/stats/ChartCaptions.h"

namespace powerball {

namespace {

int foundEntry(int runLength) {
    switch (runLength) {
    case 2:
        return Msg::PairsFound;
    case 3:
        return Msg::TriplesFound;
    default:
        return Msg::QuadsFound;
    }
}

} // namespace

std::string frequencyCaption(const MessageTable& messages, int drawCount,
                             std::int64_t averageCrossSum) {
    return messages.text(Msg::NumberDistribution) + "     " + messages.text(Msg::Draws) + ": " +
           std::to_string(drawCount) + "    " + messages.text(Msg::CrossSum) + ": " +
           std::to_string(averageCrossSum);
}

std::string groupCaption(const MessageTable& messages, int runLength, int drawCount, int total) {
    return messages.text(Msg::GroupDraws) + ": " + std::to_string(drawCount) + "   " +
           messages.text(foundEntry(runLength)) + ":" + std::to_string(total);
}

std::string crossSumCaption(const MessageTable& messages, int drawCount,
                            std::int64_t averageCrossSum) {
    return messages.text(Msg::CrossSumDistribution) + "     " + messages.text(Msg::GroupDraws) +
           ": " + std::to_string(drawCount) + "    " + messages.text(Msg::CrossSum) + ": " +
           std::to_string(averageCrossSum);
}

} // namespace powerball
