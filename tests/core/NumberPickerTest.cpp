#include "rules/generator/NumberPicker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

using namespace powerball;

namespace {

std::vector<int> tickedNumbers(const NumberListBoxes& boxes) {
    std::vector<int> numbers;
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n) {
        if (boxes.isTicked(n)) {
            EXPECT_TRUE(boxes.isMarked(n)) << n;
            numbers.push_back(n);
        } else {
            EXPECT_FALSE(boxes.isMarked(n)) << n;
        }
    }
    return numbers;
}

std::vector<int> sorted(std::vector<int> numbers) {
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

TEST(NumberPicker, FirstPressClearsTheBoxesButKeepsTheirWeights) {
    NumberListBoxes boxes;
    boxes.setTicked(3, true);
    boxes.setMarked(3, true);
    boxes.setWeight(3, "4");
    NumberPicker picker;
    picker.press(boxes);
    EXPECT_TRUE(picker.running());
    EXPECT_EQ(picker.position(), 1);
    EXPECT_TRUE(tickedNumbers(boxes).empty());
    EXPECT_EQ(boxes.weight(3), "4");
}

// Five picks take six presses: start, four fixing presses, and the stop that keeps the last
// pick as shown. A fixed pick survives every later tick.
TEST(NumberPicker, EachPressFixesOnePickAndTheSixthStops) {
    RandomSource random;
    random.setSeed(20240101);
    NumberListBoxes boxes;
    NumberPicker picker;
    picker.press(boxes);
    std::vector<int> fixed;
    for (int press = 2; press <= 5; ++press) {
        for (int t = 0; t < 7; ++t) {
            picker.tick(boxes, random);
            const std::vector<int> shown = tickedNumbers(boxes);
            ASSERT_EQ(shown.size(), 5u);
            const std::vector<int>& picks = picker.picks();
            EXPECT_EQ(
                std::vector<int>(picks.begin(), picks.begin() + static_cast<long>(fixed.size())),
                fixed);
            EXPECT_EQ(shown, sorted(picks));
        }
        fixed.push_back(picker.picks()[fixed.size()]);
        picker.press(boxes);
        EXPECT_EQ(picker.position(), press);
        EXPECT_EQ(picker.runningCaption("Stop"), std::to_string(press) + " Stop");
    }
    picker.tick(boxes, random);
    const std::vector<int> last = tickedNumbers(boxes);
    picker.press(boxes);
    EXPECT_FALSE(picker.running());
    EXPECT_EQ(picker.position(), 1);
    // Stopped, the shown boxes stay and further ticks change nothing.
    picker.tick(boxes, random);
    EXPECT_EQ(tickedNumbers(boxes), last);
    EXPECT_EQ(last, sorted(picker.picks()));
}

TEST(NumberPicker, AlreadyTickedNumbersAreDrawnAgain) {
    // With as many picks as numbers every tick must show all of them.
    RandomSource random;
    random.setSeed(7);
    NumberListBoxes boxes;
    NumberPicker picker(3, 3);
    picker.press(boxes);
    for (int t = 0; t < 20; ++t) {
        picker.tick(boxes, random);
        EXPECT_EQ(tickedNumbers(boxes), (std::vector<int>{1, 2, 3}));
    }
}

// Presses faster than the timer ticks: a press before the first tick has nothing to fix,
// so the first tick still draws every pick, each one a real box.
TEST(NumberPicker, PressBeforeTheFirstTickFixesNothing) {
    RandomSource random;
    random.setSeed(11);
    NumberListBoxes boxes;
    NumberPicker picker;
    picker.press(boxes);
    picker.press(boxes);
    picker.press(boxes);
    EXPECT_EQ(picker.position(), 1);
    picker.tick(boxes, random);
    const std::vector<int> shown = tickedNumbers(boxes);
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown, sorted(picker.picks()));
    for (int number : picker.picks()) {
        EXPECT_GE(number, 1);
        EXPECT_LE(number, NumberListBoxes::kHighest);
    }
    picker.press(boxes);
    EXPECT_EQ(picker.position(), 2);
}

TEST(NumberPicker, StopWhileRunningReturnsToIdle) {
    RandomSource random;
    NumberListBoxes boxes;
    NumberPicker picker;
    picker.press(boxes);
    picker.tick(boxes, random);
    picker.press(boxes);
    picker.tick(boxes, random);
    picker.stop();
    EXPECT_FALSE(picker.running());
    EXPECT_EQ(picker.position(), 1);
    // The next press starts afresh.
    picker.press(boxes);
    EXPECT_TRUE(picker.running());
    EXPECT_TRUE(tickedNumbers(boxes).empty());
}

TEST(NumberPicker, RefusesMorePicksThanNumbers) {
    EXPECT_THROW(NumberPicker(6, 5), std::invalid_argument);
    EXPECT_THROW(NumberPicker(0, 69), std::invalid_argument);
    EXPECT_THROW(NumberPicker(5, 70), std::invalid_argument);
}

} // namespace
