#include "app/evaluation/HistorySearch.h"

#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;

namespace {

// The draws: 07.10.2015 1 2 3 4 5 PB 6, 10.10.2015 7 19 33 45 60 PB 12,
// 14.10.2015 11 21 31 41 51 PB 8.
class HistorySearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        powerball::testing::writeDrawFile(folder, powerball::testing::threeOctoberDraws());
        state.programFolder = folder.path();
        state.startDate = day("2015-10-07");
        state.selectedDate = day("2015-10-14");
        state.settings.countPowerball = false;
        state.tips.setLine(0, "7,19,33,45,60,1");  // five on the 10th
        state.tips.setLine(1, "1,2,3,4,50,6");     // four and the Powerball on the 7th
        state.tips.setLine(2, "11,21,31,41,51,8"); // five and the Powerball on the 14th
        ports.prompts = &prompts;
        prompts.yesAnswer = true;
    }

    HistorySearchResult search(const char* threshold) {
        prompts.textAnswer = threshold;
        return searchTipsInHistory(state, ports);
    }

    TempFolder folder;
    AppState state;
    ScriptedPrompts prompts;
    Ports ports;
};

TEST_F(HistorySearchTest, FiveWithoutThePowerballOptionStopsOnlyAtFiveWhiteHits) {
    const HistorySearchResult result = search("5");
    EXPECT_EQ(prompts.textDefault, "5");
    EXPECT_EQ(prompts.textCaption, "Bei wievielen Zahlen Übereinstellung stoppen?");
    EXPECT_EQ(prompts.textPrompt, "Tipp-Test");
    ASSERT_EQ(result.hits.size(), 2u);
    EXPECT_EQ(result.hits[0].row, 1);
    EXPECT_EQ(result.hits[1].row, 3);
    EXPECT_EQ(prompts.questions,
              (std::vector<std::string>{
                  "Ziehung gefunden / Ein Treffer gefunden am:  10.10.2015 . Weiter?",
                  "Ziehung gefunden / Ein Treffer am  14.10.2015 gefunden. Weiter?"}));

    // The search went to the end: the rows show the last draw, and the chart 12 zero bars.
    EXPECT_TRUE(result.reachedEnd);
    EXPECT_EQ(state.currentDraw.date, day("2015-10-14"));
    EXPECT_EQ(state.databaseDrawText, "Mi 14.10.15    11  21  31  41  51  PB: 8     PP: 10");
    EXPECT_EQ(state.panelDrawText, state.databaseDrawText);
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 155");
    EXPECT_EQ(state.tips.row(2).hitText, "5 + PB");
    EXPECT_EQ(state.tips.row(2).hitColor, HitColor::Red);
    EXPECT_EQ(state.tips.row(0).hitText, "0");
    EXPECT_EQ(state.tips.row(0).hitColor, HitColor::Black);
    ASSERT_EQ(state.chart.barCount(), 12);
    EXPECT_EQ(state.chart.bars().front().x, 0);
    EXPECT_EQ(state.chart.bars().back().x, 11);
    EXPECT_EQ(state.chart.value(5), 0);
}

TEST_F(HistorySearchTest, WithThePowerballOptionSixStopsAtFivePlusPowerball) {
    state.settings.countPowerball = true;
    prompts.yesAnswer = false;
    // OK on the proposal: six is the most a row can reach (five and the Powerball), so the
    // search finds the jackpot row; a proposal of seven could never find anything.
    prompts.textAnswer.reset();
    const HistorySearchResult result = searchTipsInHistory(state, ports);
    EXPECT_EQ(prompts.textDefault, "6");
    ASSERT_EQ(result.hits.size(), 1u);
    EXPECT_EQ(result.hits[0].row, 3);
    EXPECT_TRUE(result.hits[0].pb);
    // No ends the search at once: no bars, the rows as they stood at the question.
    EXPECT_FALSE(result.reachedEnd);
    EXPECT_EQ(state.tips.row(2).hitText, "5 + PB");
    EXPECT_EQ(state.chart.barCount(), 0);
}

TEST_F(HistorySearchTest, BothBoundsAreInsideTheWindow) {
    // Zero asks at every row of every draw examined.
    search("0");
    EXPECT_EQ(prompts.questions.size(), 36u);

    prompts.questions.clear();
    state.startDate = day("2015-10-08");
    state.selectedDate = day("2015-10-13");
    search("0");
    EXPECT_EQ(prompts.questions.size(), 12u);
}

TEST_F(HistorySearchTest, ATranslationReachesTheQuestionsOfEveryRow) {
    std::vector<std::string> texts = MessageTable::builtIn();
    texts[Msg::HitFoundAt] = "A hit on ";
    texts[Msg::HitFoundGoOn] = " found. Go on?";
    texts[Msg::HitFoundCaption] = "Draw found";
    state.messages.replaceAll(texts);
    prompts.answerQuestion = [](std::size_t) { return false; };
    state.tips.setLine(0, "");
    search("5");
    EXPECT_EQ(prompts.questions,
              std::vector<std::string>{"Draw found / A hit on 14.10.2015 found. Go on?"});
}

TEST_F(HistorySearchTest, CancelOrANonNumberSearchesNothing) {
    prompts.textCancelled = true;
    const HistorySearchResult cancelled = searchTipsInHistory(state, ports);
    EXPECT_FALSE(cancelled.started);
    EXPECT_TRUE(prompts.questions.empty());
    EXPECT_EQ(state.currentDraw.date, 0.0);

    prompts.textCancelled = false;
    EXPECT_THROW(search("fünf"), std::invalid_argument);
    EXPECT_TRUE(prompts.questions.empty());
}

} // namespace
