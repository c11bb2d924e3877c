#include "rules/generator/NumberPicker.h"

#include <algorithm>
#include <stdexcept>

namespace powerball {

NumberPicker::NumberPicker(int pickCount, int highest)
    : m_pickCount(pickCount), m_highest(highest) {
    // Every pick needs a box of its own, or the redrawing of ticked boxes never ends.
    if (pickCount < 1 || highest < pickCount || highest > NumberListBoxes::kHighest)
        throw std::invalid_argument("number picker: pick count out of range");
}

void NumberPicker::press(NumberListBoxes& boxes) {
    if (!m_running) {
        m_running = true;
        clearBoxes(boxes);
        m_picks.clear();
        m_position = 1;
    } else if (m_picks.empty()) {
        // No tick has drawn the picks yet: there is nothing shown that the press could fix.
        return;
    } else if (m_position < m_pickCount) {
        ++m_position;
    } else {
        stop();
    }
}

void NumberPicker::tick(NumberListBoxes& boxes, RandomSource& random) {
    if (!m_running)
        return;
    clearBoxes(boxes);
    m_picks.resize(static_cast<std::size_t>(m_pickCount));
    for (int k = 1; k < m_position; ++k)
        show(boxes, m_picks[static_cast<std::size_t>(k - 1)]);
    for (int k = m_position; k <= m_pickCount; ++k) {
        int number = random.below(m_highest) + 1;
        while (boxes.isTicked(number))
            number = random.below(m_highest) + 1;
        m_picks[static_cast<std::size_t>(k - 1)] = number;
        show(boxes, number);
    }
}

void NumberPicker::stop() {
    m_running = false;
    m_position = 1;
}

std::string NumberPicker::runningCaption(const std::string& stopWord) const {
    return std::to_string(m_position) + " " + stopWord;
}

void NumberPicker::clearBoxes(NumberListBoxes& boxes) const {
    for (int n = 1; n <= m_highest; ++n) {
        boxes.setTicked(n, false);
        boxes.setMarked(n, false);
    }
}

void NumberPicker::show(NumberListBoxes& boxes, int number) const {
    boxes.setTicked(number, true);
    boxes.setMarked(number, true);
}

} // namespace powerball
