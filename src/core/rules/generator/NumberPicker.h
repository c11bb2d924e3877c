#pragma once

#include "base/RandomSource.h"
#include "ports/NumberListBoxes.h"

#include <string>
#include <vector>

namespace powerball {

// The animated random picker of the list dialog ("&Zufall"). The first press starts it;
// while it runs, every tick of its timer draws the open picks anew and shows them ticked
// and marked next to the picks already fixed; each further press fixes the pick shown at
// the moment, and the press after the last pick stops it with the shown boxes kept.
class NumberPicker {
public:
    explicit NumberPicker(int pickCount = 5, int highest = NumberListBoxes::kHighest);

    bool running() const { return m_running; }
    // The first pick that is not fixed yet, from 1; 1 while idle.
    int position() const { return m_position; }
    const std::vector<int>& picks() const { return m_picks; }

    // A press of the picker button. A press before the first tick of a run fixes nothing,
    // as no pick has been drawn yet.
    void press(NumberListBoxes& boxes);
    // A tick of the picker's timer; does nothing while idle.
    void tick(NumberListBoxes& boxes, RandomSource& random);
    // The dialog closes: the picker stops where it is.
    void stop();

    // The button's caption while the picker runs: the position and the stop word.
    std::string runningCaption(const std::string& stopWord) const;

private:
    void clearBoxes(NumberListBoxes& boxes) const;
    void show(NumberListBoxes& boxes, int number) const;

    int m_pickCount;
    int m_highest;
    int m_position = 1;
    bool m_running = false;
    std::vector<int> m_picks;
};

} // namespace powerball
