#pragma once

#include "base/MessageTable.h"

#include <cstdint>
#include <functional>
#include <string>

namespace powerball {

// The chart captions that carry figures, built from the message table as it stands when
// the chart is drawn, so a language chosen meanwhile shows in the next chart.

// A caption that is one entry of the message table.
inline std::function<std::string(const MessageTable&)> messageText(int entry) {
    return [entry](const MessageTable& messages) { return messages.text(entry); };
}

// "Zahlenverteilung     Ziehungen: 1203    Quersumme: 174"
std::string frequencyCaption(const MessageTable& messages, int drawCount,
                             std::int64_t averageCrossSum);

// "Ziehungen: 1203   Paare gefunden:1754" for runs of 2, 3 or 4 numbers.
std::string groupCaption(const MessageTable& messages, int runLength, int drawCount, int total);

// "Quersummenverteilung     Ziehungen1203    Quersumme: 174"
std::string crossSumCaption(const MessageTable& messages, int drawCount,
                            std::int64_t averageCrossSum);

} // namespace powerball
