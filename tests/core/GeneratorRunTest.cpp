#include "app/generator/GeneratorRun.h"

#include "app/generator/AcceptanceFilters.h"
#include "base/TextParsing.h"

#include "GeneratorFixture.h"

using namespace powerball;
using powerball::testing::day;
using powerball::testing::GeneratorTest;

namespace {

class GeneratorRunTest : public GeneratorTest {
protected:
    void SetUp() override {
        // Sixty draws on consecutive days, their numbers from a fixed random sequence.
        RandomSource numbers;
        numbers.setSeed(2016);
        std::vector<std::array<int, 5>> whites;
        std::vector<int> powerballs;
        for (int d = 0; d < 60; ++d) {
            std::array<int, 5> draw{};
            for (std::size_t k = 0; k < 5; ++k) {
                int n = 0;
                do
                    n = numbers.below(69) + 1;
                while (std::find(draw.begin(), draw.end(), n) != draw.end());
                draw[k] = n;
            }
            whites.push_back(draw);
            powerballs.push_back(numbers.below(26) + 1);
        }
        useDraws(day("2016-01-01"), whites, powerballs);
        state.startDate = day("2015-12-31");
        state.selectedDate = day("2016-02-29");
    }

    static std::array<int, 5> white(const TipRow& row) {
        std::array<int, 5> numbers{};
        for (std::size_t k = 0; k < 5; ++k)
            numbers[k] = parseInteger(row.fields[k]).value_or(0);
        return numbers;
    }
    bool filled(int rowIndex) const { return !state.tips.field(rowIndex, 0).empty(); }

    // From row 3 on no candidate can pass: three even and three odd numbers are asked.
    void demandTheImpossibleFromRow3() {
        if (!filled(1))
            return;
        state.settings.minEvenOn = state.settings.minOddOn = true;
        state.settings.minEven.setValue(3);
        state.settings.minOdd.setValue(3);
    }
};

TEST_F(GeneratorRunTest, FillsTheFirstRowsAndEmptiesTheOthers) {
    state.tips.setLine(8, "1,2,3,4,5,6,");
    pressCalculate(state, ports);
    for (int r = 0; r < 5; ++r) {
        const std::array<int, 5> row = white(state.tips.row(r));
        EXPECT_TRUE(std::is_sorted(row.begin(), row.end())) << r;
        EXPECT_GT(row[0], 0) << r;
        EXPECT_FALSE(state.tips.field(r, TipRow::kPowerballField).empty()) << r;
        EXPECT_EQ(state.tips.row(r).crossSumText,
                  std::to_string(row[0] + row[1] + row[2] + row[3] + row[4]));
        for (int e = 0; e < r; ++e) {
            const int shared = AcceptanceFilters::sharedNumbers(row, white(state.tips.row(e)));
            EXPECT_GE(shared, 1) << r << " with " << e;
            EXPECT_LE(shared, 2) << r << " with " << e;
        }
    }
    for (int r = 5; r < 12; ++r) {
        EXPECT_EQ(state.tips.line(r), ",,,,,,") << r;
        EXPECT_EQ(state.tips.row(r).crossSumText, "0") << r;
    }
    EXPECT_EQ(state.status[1], "Tipps wurden neu berechnet");
    EXPECT_EQ(state.status[0], "");
    EXPECT_EQ(calculateCaption(state), "Tipps berechnen");
    EXPECT_TRUE(state.checkEnabled);
    EXPECT_FALSE(state.generatorRunning);
    EXPECT_EQ(state.maxRuns, 50000);
    EXPECT_EQ(state.pageInFront, Page::TipOverview);
    // The sheet was checked against the draw the history tests read last.
    EXPECT_EQ(state.currentDraw.date, day("2016-02-29"));
    EXPECT_FALSE(state.tips.row(0).hitText.empty());
}

TEST_F(GeneratorRunTest, SameSeedSameRows) {
    state.random.setSeed(4711);
    pressCalculate(state, ports);
    std::vector<std::string> first;
    for (int r = 0; r < 12; ++r)
        first.push_back(state.tips.line(r));
    const int candidates = state.generator.runCounter;

    state.random.setSeed(4711);
    pressCalculate(state, ports);
    for (int r = 0; r < 12; ++r)
        EXPECT_EQ(state.tips.line(r), first[static_cast<std::size_t>(r)]) << r;
    EXPECT_EQ(state.generator.runCounter, candidates);

    // Pinned once, after checking them against the filters by hand.
    const std::vector<std::string> pinned{"3,26,29,35,47,24,", "3,14,31,36,60,18,",
                                          "3,9,10,17,26,24,", "3,4,7,50,63,22,",
                                          "3,34,36,45,68,14,"};
    for (int r = 0; r < 5; ++r)
        EXPECT_EQ(first[static_cast<std::size_t>(r)], pinned[static_cast<std::size_t>(r)]) << r;
}

TEST_F(GeneratorRunTest, LockedRowIsKeptAndCountsAsEarlierRow) {
    state.tips.setLine(1, "3,17,22,45,61,,abc");
    state.tips.row(1).locked = true;
    pressCalculate(state, ports);
    EXPECT_EQ(state.tips.line(1), "3,17,22,45,61,,");
    EXPECT_TRUE(state.tips.row(1).locked);
    for (int r : {2, 3, 4}) {
        const int shared =
            AcceptanceFilters::sharedNumbers(white(state.tips.row(r)), {3, 17, 22, 45, 61});
        EXPECT_GE(shared, 1) << r;
        EXPECT_LE(shared, 2) << r;
    }
    EXPECT_EQ(state.tips.line(5), ",,,,,,");
}

TEST_F(GeneratorRunTest, StopEndsTheRunAfterTheCurrentCandidate) {
    std::string captionAfterPress;
    pump.onPump = [&] {
        if (state.generator.runCounter == 1 && filled(0)) {
            pressCalculate(state, ports); // the second press
            captionAfterPress = calculateCaption(state);
        }
    };
    pressCalculate(state, ports);
    EXPECT_EQ(captionAfterPress, "Tipps berechnen");
    EXPECT_EQ(state.generator.runCounter, 2);
    EXPECT_EQ(state.tips.field(1, TipRow::kPowerballField), ""); // drawn without a Powerball
    for (int r = 2; r < 12; ++r)
        EXPECT_EQ(state.tips.line(r), ",,,,,,") << r;
    EXPECT_EQ(state.status[0], "Stoppen");
    EXPECT_EQ(state.status[1], "Tipps wurden neu berechnet");
    EXPECT_EQ(calculateCaption(state), "Tipps berechnen");
}

TEST_F(GeneratorRunTest, PressAfterTheStopDoesNotStartARunInsideTheStoppedOne) {
    int presses = 0;
    pump.onPump = [&] {
        if (presses == 0 && state.generator.runCounter == 1 && filled(0)) {
            presses = 2;
            pressCalculate(state, ports); // stop
            pressCalculate(state, ports); // and at once start again
        }
    };
    pressCalculate(state, ports);
    EXPECT_EQ(state.generator.runCounter, 2);
    EXPECT_TRUE(filled(0));
    for (int r = 2; r < 12; ++r)
        EXPECT_EQ(state.tips.line(r), ",,,,,,") << r;
    EXPECT_EQ(calculateCaption(state), "Tipps berechnen");
    EXPECT_FALSE(state.generatorRunning);
    EXPECT_FALSE(state.generator.busy);
    // Once the stopped run is over, the next press starts a run again.
    pump.onPump = nullptr;
    pressCalculate(state, ports);
    EXPECT_TRUE(filled(4));
}

TEST_F(GeneratorRunTest, LimitDuringRowThree) {
    state.settings.maxRunsThousands.setValue(1);
    pump.onPump = [this] { demandTheImpossibleFromRow3(); };
    pressCalculate(state, ports);
    EXPECT_EQ(state.generator.runCounter, 1000);
    EXPECT_TRUE(filled(0));
    EXPECT_TRUE(filled(1));
    for (int r = 2; r < 12; ++r)
        EXPECT_EQ(state.tips.line(r), ",,,,,,") << r;
    EXPECT_EQ(state.status[1], "Ändern Sie die Parameter um 12 Tipps zuberechnen");
}

TEST_F(GeneratorRunTest, RelaxationWithALimitOfTenThousand) {
    state.settings.maxRunsThousands.setValue(10);
    state.settings.forcePair = true;
    const CalculationSettings before = state.settings;
    struct Seen {
        int count;
        bool forcePair;
        int maxLast, maxSecondLast, earlierWinClass;
    };
    std::vector<Seen> seen;
    pump.onPump = [&] {
        demandTheImpossibleFromRow3();
        const int count = state.generator.runCounter;
        if (count == 4999 || count == 5000 || count == 9999) {
            const CalculationSettings& o = state.settings;
            seen.push_back({count, o.forcePair, o.maxLastDraw.value(), o.maxSecondLastDraw.value(),
                            o.earlierWinClass.value()});
        }
    };
    pressCalculate(state, ports);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_TRUE(seen[0].forcePair);
    EXPECT_EQ(seen[0].maxLast, 0);
    EXPECT_FALSE(seen[1].forcePair);
    EXPECT_EQ(seen[1].maxLast, 2);
    EXPECT_EQ(seen[1].maxSecondLast, 3);
    EXPECT_EQ(seen[1].earlierWinClass, 4); // the count 10000 - 20000 is never reached
    EXPECT_EQ(seen[2].maxLast, 2);
    // The four options show their values from before the run.
    EXPECT_TRUE(state.settings.forcePair);
    EXPECT_EQ(state.settings.maxLastDraw, before.maxLastDraw);
    EXPECT_EQ(state.settings.maxSecondLastDraw, before.maxSecondLastDraw);
    EXPECT_EQ(state.settings.earlierWinClass, before.earlierWinClass);
}

TEST_F(GeneratorRunTest, AFailureInTheMiddleLeavesNoRunBehind) {
    state.settings.maxRunsThousands.setValue(10);
    state.settings.forcePair = true;
    bool busyDuringRun = false;
    pump.onPump = [&] {
        busyDuringRun = state.generator.busy;
        if (state.generator.runCounter == 6000) // after the pair option was switched off
            throw std::runtime_error("disk full");
        demandTheImpossibleFromRow3();
    };
    EXPECT_THROW(pressCalculate(state, ports), std::runtime_error);
    EXPECT_TRUE(busyDuringRun);
    EXPECT_FALSE(state.generator.busy);
    EXPECT_EQ(calculateCaption(state), "Tipps berechnen");
    EXPECT_TRUE(state.checkEnabled);
    EXPECT_FALSE(state.generatorRunning);
    EXPECT_TRUE(state.settings.forcePair);
}

TEST_F(GeneratorRunTest, PoolOfFewerThanFiveNumbersEndsLikeTheLimit) {
    state.settings.showNumberList = true;
    prompts.poolAnswer = PoolListAnswer::Rebuild;
    prompts.changePool = [](NumberListBoxes& boxes) {
        boxes.ticked.fill(false);
        for (int n : {3, 8, 21, 40}) {
            boxes.setTicked(n, true);
            boxes.setWeight(n, "1");
        }
    };
    state.tips.setLine(0, "1,2,3,4,5,6,");
    state.tips.row(0).locked = true;
    pressCalculate(state, ports);
    EXPECT_EQ(state.tips.line(0), "1,2,3,4,5,6,");
    for (int r = 1; r < 12; ++r)
        EXPECT_EQ(state.tips.line(r), ",,,,,,") << r;
    EXPECT_EQ(state.status[1], "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    EXPECT_EQ(state.generator.pool, (std::vector<std::uint8_t>{3, 8, 21, 40}));
}

TEST_F(GeneratorRunTest, AbortInTheListDialogEndsTheRunBeforeAnyRow) {
    state.tips.setLine(0, "1,2,3,4,5,6,");
    state.settings.showNumberList = true;
    prompts.poolAnswer = PoolListAnswer::Abort;
    state.status[1] = "";
    pressCalculate(state, ports);
    EXPECT_EQ(state.tips.line(0), ",,,,,,");
    EXPECT_TRUE(state.checkEnabled);
    EXPECT_FALSE(state.generatorRunning);
    EXPECT_EQ(calculateCaption(state), "Tipps berechnen");
    EXPECT_NE(state.status[1], "Tipps wurden neu berechnet");
}

TEST(CandidateStatusTest, SpacingOfTheRows) {
    const MessageTable messages;
    const TipCandidate candidate{{3, 17, 22, 45, 61, 9, 0}};
    const std::pair<int, const char*> cases[] = {
        {1, "1.Tipp:  3 17  22  45  61  CS: 148"},   {2, "2.Tipp:  3 17  22  45  61   CS: 148"},
        {3, "3.Tipp:  3 17  22  45  61    CS: 148"}, {7, "7.Tipp:  3 17  22  45  61  9  CS: 148"},
        {12, "12.Tipp:  3 17  22  45  61  CS: 148"},
    };
    for (auto [row, text] : cases)
        EXPECT_EQ(candidateStatus(messages, row, candidate), text) << row;
}

} // namespace
