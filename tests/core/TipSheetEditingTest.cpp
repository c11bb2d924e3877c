#include "app/generator/TipSheetEditing.h"

#include "GeneratorFixture.h"

using namespace powerball;
using powerball::testing::GeneratorTest;

namespace {

class TipSheetEditingTest : public GeneratorTest {};

TEST_F(TipSheetEditingTest, EditRowTicksItsNumbersAndWritesBackAscending) {
    state.tips.setLine(2, "3,17,22,45,61,9,");
    prompts.rowAnswer = [](NumberListBoxes& boxes) {
        boxes.setTicked(45, false);
        boxes.setTicked(50, true);
    };
    editTipRow(state, ports, 2);
    EXPECT_EQ(prompts.rowCaption, "Zahlen für Tipp  3");
    for (int n : {3, 17, 22, 45, 61}) {
        EXPECT_TRUE(prompts.shownRow.isTicked(n)) << n;
        EXPECT_TRUE(prompts.shownRow.isMarked(n)) << n;
    }
    EXPECT_EQ(state.tips.line(2), "3,17,22,50,61,9,");
}

TEST_F(TipSheetEditingTest, EditRowWithFewNumbersOrAborted) {
    state.tips.setLine(0, "5,,40,,,,");
    prompts.rowAnswer = [](NumberListBoxes& boxes) {
        boxes.ticked.fill(false);
        boxes.setTicked(9, true);
        boxes.setTicked(7, true);
    };
    state.random.setSeed(1);
    RandomSource expected;
    expected.setSeed(1);
    editTipRow(state, ports, 0);
    EXPECT_TRUE(prompts.shownRow.isTicked(5));
    EXPECT_FALSE(prompts.shownRow.isTicked(40)); // an empty field ends the marking
    // The third field keeps its text; no random number goes into it.
    EXPECT_EQ(state.tips.line(0), "7,9,40,,,,");

    state.tips.setLine(1, "");
    editTipRow(state, ports, 1);
    EXPECT_EQ(state.tips.line(1), "7,9," + std::to_string(expected.below(26) + 1) + ",,,,");

    state.tips.setLine(1, "1,2,3,4,5,6,");
    prompts.rowAnswer = nullptr;
    editTipRow(state, ports, 1);
    EXPECT_EQ(state.tips.line(1), "1,2,3,4,5,6,");
}

TEST_F(TipSheetEditingTest, LuckyNumberSeedsOrFallsBackToTheClock) {
    struct Case {
        const char* answer;
        std::uint32_t seed;
        const char* status;
    };
    const Case cases[] = {
        {"4711", 4711u, "Glückszahl 4711 gesetzt"},
        {"-1", 0xFFFFFFFFu, "Glückszahl -1 gesetzt"},
        {"abc", 777u, "before"},
        {"99999999999", 777u, "before"},
    };
    for (const Case& c : cases) {
        state.status[1] = "before";
        prompts.textAnswer = c.answer;
        setLuckyNumber(state, ports);
        EXPECT_EQ(state.random.seed(), c.seed) << c.answer;
        EXPECT_EQ(state.status[1], c.status) << c.answer;
    }
    EXPECT_EQ(prompts.textCaption, "Ihre Glückszahl (1-99999999)?");
    EXPECT_EQ(prompts.textPrompt, "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!");

    // Cancelling gives the proposal, which then seeds like a typed number.
    prompts.textAnswer.reset();
    state.random.setSeed(5);
    RandomSource expected;
    expected.setSeed(5);
    setLuckyNumber(state, ports);
    EXPECT_EQ(prompts.textDefault, std::to_string(expected.below(99999)));
    EXPECT_EQ(state.random.seed(), static_cast<std::uint32_t>(std::stoi(prompts.textDefault)));
}

} // namespace
