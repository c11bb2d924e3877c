#include "app/evaluation/DrawAnalysis.h"
#include "app/evaluation/SettingsAnalysis.h"

#include "RecordingShell.h"
#include "ScriptedPrompts.h"
#include "TempFolder.h"
#include "app/generator/GeneratorRun.h"
#include "base/FileReading.h"
#include "rules/evaluation/PrizeTiers.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::RecordingShell;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;

namespace {

std::vector<std::string> firstLines(const std::vector<std::string>& lines, std::size_t count) {
    return {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(count)};
}

class AnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programFolder = folder.path();
        state.checkEnabled = true;
        ports.prompts = &prompts;
        ports.shell = &shell;
        ports.clock = &clock;
        prompts.yesAnswer = true;
    }

    void useDraws(const std::vector<DrawRecord>& records) {
        powerball::testing::writeDrawFile(folder, records);
        newest = records.back().date;
    }

    TempFolder folder;
    AppState state;
    ScriptedPrompts prompts;
    RecordingShell shell;
    FixedClock clock{day("2026-12-10")};
    Ports ports;
    double newest = 0;
};

// Presses the calculate button once the analysis has finished its first step.
class StopAfterFirstStep : public EventPump {
public:
    StopAfterFirstStep(AppState& state, const Ports& ports) : m_state(state), m_ports(ports) {}
    void processEvents() override {
        if (!m_pressed && m_state.status[0].rfind("Schritt 1 ", 0) == 0) {
            m_pressed = true;
            pressCalculate(m_state, m_ports);
        }
    }

private:
    AppState& m_state;
    const Ports& m_ports;
    bool m_pressed = false;
};

TEST(SettingsAnalysisSteps, OnePerWeekAndTheNewestTwice) {
    const std::vector<DrawRecord> records = powerball::testing::threeOctoberDraws();
    const DayNumber today = day("2026-12-10");
    EXPECT_EQ(plannedSettingsSteps(records, today, today), 0);
    // A week on from the 7th is the 14th, and the newest draw is checked once more.
    EXPECT_EQ(plannedSettingsSteps(records, day("2015-10-07"), today), 2);
    EXPECT_EQ(plannedSettingsSteps(records, day("2015-10-14"), today), 1);
    EXPECT_EQ(plannedSettingsSteps(records, day("2015-10-16"), today), 2);
    EXPECT_EQ(plannedSettingsSteps({}, day("2015-10-14"), today), 0);
}

TEST_F(AnalysisTest, SettingsAnalysisStartedTodayRunsNoStep) {
    useDraws(powerball::testing::threeOctoberDraws());
    state.selectedDate = clock.today();
    prompts.textAnswer = "4711";
    const SettingsAnalysisResult result = analyseSettings(state, ports);
    EXPECT_EQ(prompts.questions.front(),
              "aktuellen Tipps werden dabei gelöscht? / Soll die Analyse der Einstellungen "
              "jetzt ab dem 10.12.2026 durchgeführt werden??");
    EXPECT_EQ(result.steps, 0);
    EXPECT_EQ(firstLines(result.report, 10),
              (std::vector<std::string>{"Aktuelle Einstellung brachten", "",
                                        "Anzahl ohne Powerball\t1x Powerball", "0x\t=> 0\t\t=> 0",
                                        "1x\t=> 0\t\t=> 0", "2x\t=> 0\t\t=> 0", "3x\t=> 0\t\t=> 0",
                                        "4x\t=> 0\t\t=> 0", "5x\t=> 0\t\t=> 0", ""}));
    EXPECT_EQ(result.report[10], "Ziehungen: 0mit je 5Tipp => 0 Reihen");
    EXPECT_EQ(result.reportFile, folder.file("Test.rtf"));
    EXPECT_EQ(shell.opened, std::vector<std::string>{folder.file("Test.rtf").string()});
    EXPECT_EQ(readFileBytes(result.reportFile, 1 << 16).substr(0, 31),
              "Aktuelle Einstellung brachten\r\n");
}

TEST_F(AnalysisTest, SettingsAnalysisAWeekBeforeTheNewestDrawRunsTwoSteps) {
    useDraws(powerball::testing::realHistory());
    state.selectedDate = newest - 7;
    state.settings.showNumberList = true;
    prompts.textAnswer = "4711";
    const SettingsAnalysisResult result = analyseSettings(state, ports);

    EXPECT_EQ(result.plannedSteps, 2);
    ASSERT_EQ(result.steps, 2);
    EXPECT_EQ(result.checkedDraws, (std::vector<double>{newest, newest}));
    long long rows = 0;
    for (const auto& cell : result.sums)
        rows += cell[0] + cell[1];
    EXPECT_EQ(rows, 10) << "five rows per step";
    EXPECT_EQ(result.report[10], "Ziehungen: 2mit je 5Tipp => 10 Reihen");
    EXPECT_TRUE(state.settings.showNumberList) << "the list dialog setting comes back";
    EXPECT_FALSE(prompts.shownPool) << "and the list dialog stayed off";
    EXPECT_EQ(state.status[1], DrawCalendar::shortDate(DrawCalendar::roundToDay(newest)));

    // The baseline: ten random rows against the newest draw twice.
    double expected = 0;
    for (const auto& cell : result.expected)
        expected += cell[0] + cell[1];
    EXPECT_NEAR(expected, 10.0, 1e-9);
    EXPECT_EQ(result.report[14],
              "Zum Vergleich: so viele Reihen brächten reine Zufallstipps (erwartet)");

    // What the rows cost and won: the prizes of the rows summed by tier must agree with the
    // hit table, at the newest draw's Power Play value.
    const PrizeBalance& balance = result.balance;
    EXPECT_EQ(balance.steps, 2);
    EXPECT_EQ(balance.rows, 10);
    EXPECT_EQ(balance.costUsd, 20);
    EXPECT_EQ(balance.costPowerPlayUsd, 30);
    const int powerPlay = powerball::testing::realHistory().back().drawNumbers().powerPlay();
    std::int64_t won = 0;
    std::int64_t wonPowerPlay = 0;
    for (int hits = 0; hits <= 5; ++hits) {
        for (const bool pbHit : {false, true}) {
            MatchClass match;
            match.hits = hits;
            match.pbHit = pbHit;
            const RowPrize prize = PrizeTiers::prizeOf(match, newest, powerPlay);
            won += result.sums[static_cast<std::size_t>(hits)][pbHit] * prize.usd;
            wonPowerPlay += result.sums[static_cast<std::size_t>(hits)][pbHit] * prize.powerPlayUsd;
        }
    }
    EXPECT_EQ(balance.wonUsd, won);
    EXPECT_EQ(balance.wonPowerPlayUsd, wonPowerPlay);
    EXPECT_NEAR(balance.expectedUsd, 10 * PrizeTiers::expectedWinUsd(), 1e-9);
    EXPECT_NEAR(balance.expectedPowerPlayUsd, 10 * PrizeTiers::expectedPowerPlayWinUsd(powerPlay),
                1e-9);
    EXPECT_EQ(result.report[11].rfind("Ziehungen seit 07.10.2015: 2, Einsatz 20 $, gewonnen ", 0),
              0u)
        << result.report[11];
    EXPECT_NE(result.report[11].find(", Zufallsreihen erwartet (ohne Jackpot) 3,20 $"),
              std::string::npos)
        << result.report[11];
    EXPECT_EQ(
        result.report[12].rfind("Mit Power Play ($1 mehr je Reihe): Einsatz 30 $, gewonnen ", 0),
        0u)
        << result.report[12];
    EXPECT_EQ(result.report.back().rfind("Reihen mit mindestens 3 Richtigen: ", 0), 0u);

    // Every step starts from the lucky number: the same seed gives the same report.
    state.selectedDate = newest - 7;
    const SettingsAnalysisResult again = analyseSettings(state, ports);
    EXPECT_EQ(again.report, result.report);
}

TEST_F(AnalysisTest, SettingsAnalysisBalanceCountsOnlyTheStepsOfTodaysPrizeTable) {
    std::vector<DrawRecord> records = powerball::testing::realHistory();
    std::erase_if(records, [](const DrawRecord& r) { return r.date > day("2015-10-10"); });
    useDraws(records);
    state.selectedDate = day("2015-09-26");
    prompts.textAnswer = "4711";
    const SettingsAnalysisResult result = analyseSettings(state, ports);
    // The first step checks the draw of 3 October 2015, the other two that of the 10th.
    ASSERT_EQ(result.checkedDraws,
              (std::vector<double>{double(day("2015-10-03")), double(day("2015-10-10")),
                                   double(day("2015-10-10"))}));
    EXPECT_EQ(result.balance.steps, 2);
    EXPECT_EQ(result.balance.rows, 10);
    EXPECT_EQ(result.balance.costUsd, 20);
}

TEST_F(AnalysisTest, SettingsAnalysisStoppedWritesTheStepsDone) {
    useDraws(powerball::testing::realHistory());
    state.selectedDate = newest - 28;
    prompts.textAnswer = "1";
    StopAfterFirstStep pump(state, ports);
    ports.events = &pump;
    const SettingsAnalysisResult result = analyseSettings(state, ports);
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.steps, 1);
    EXPECT_EQ(result.report[11].rfind("Angehalten nach der Ziehung vom ", 0), 0u);
    EXPECT_EQ(state.analysis, RunPhase::Idle);
    EXPECT_EQ(state.generator.phase, RunPhase::Idle);
}

TEST_F(AnalysisTest, SettingsAnalysisProposesALuckyNumberOfItsRange) {
    useDraws(powerball::testing::threeOctoberDraws());
    state.selectedDate = clock.today();
    // A seed above 2^31 once came out as -1510184423 under "1-99999999".
    state.random.setSeed(2784782873u);
    const SettingsAnalysisResult result = analyseSettings(state, ports);
    EXPECT_EQ(prompts.textDefault, "84782901");
    EXPECT_TRUE(result.ran);
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(state.random.seed(), 84782901u);
    for (const std::uint32_t seed : {0u, 99999998u, 99999999u, 4294967295u}) {
        const int proposed = proposedLuckyNumber(seed);
        EXPECT_GE(proposed, kLuckyNumberMin) << seed;
        EXPECT_LE(proposed, kLuckyNumberMax) << seed;
    }
}

TEST_F(AnalysisTest, SettingsAnalysisCancelOrAWrongNumberRunsNothing) {
    useDraws(powerball::testing::threeOctoberDraws());
    state.selectedDate = day("2015-10-07");
    state.settings.showNumberList = true;

    prompts.yesAnswer = false;
    EXPECT_FALSE(analyseSettings(state, ports).ran);
    EXPECT_EQ(prompts.textAsked, 0);

    prompts.yesAnswer = true;
    prompts.textCancelled = true;
    EXPECT_FALSE(analyseSettings(state, ports).ran);
    EXPECT_EQ(prompts.textCaption, "Ihre Glückszahl (1-99999999)?");

    prompts.textCancelled = false;
    for (const char* answer : {"Glück", "0", "-5", "100000000"}) {
        prompts.messages.clear();
        prompts.textAnswer = answer;
        EXPECT_FALSE(analyseSettings(state, ports).ran) << answer;
        EXPECT_EQ(prompts.messages, std::vector<std::string>{"Fehler bei Eingabe der ZufallsZahl"})
            << answer;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.file("Test.rtf")));
    EXPECT_TRUE(state.settings.showNumberList);
    EXPECT_EQ(state.analysis, RunPhase::Idle);
}

TEST_F(AnalysisTest, DrawAnalysisOnTheNewestDrawHasNothingToCompare) {
    useDraws(powerball::testing::threeOctoberDraws());
    // After the newest draw the analysis starts on it: no later draw, and a draw is never
    // compared with itself (it once announced "5 + PB", the jackpot).
    state.selectedDate = day("2015-10-20");
    const DrawAnalysisResult result = analyseDraws(state, ports);
    EXPECT_EQ(prompts.questions.front(),
              "aktuellen Tipps werden dabei gelöscht? / Soll die Analyse der Datenbank jetzt ab "
              "dem 20.10.2015 durchgeführt werden??");
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(prompts.textAsked, 0);
    EXPECT_EQ(prompts.messages,
              std::vector<std::string>{"Nach der Ziehung vom 14.10.2015 gibt es keine weitere "
                                       "Ziehung: es gibt nichts zu vergleichen."});
    EXPECT_EQ(result.passes, 0);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Test.rtf")));
    EXPECT_EQ(state.pageInFront, Page::TipOverview);
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        EXPECT_NE(state.tips.row(r).hitText, "5 + PB");
}

TEST_F(AnalysisTest, DrawAnalysisShowsTheWaitCursorOnlyWhileItWorks) {
    useDraws(powerball::testing::threeOctoberDraws());
    state.selectedDate = day("2015-10-07");
    state.startDate = day("2015-10-01");
    std::vector<bool> busyWhenAsked;
    prompts.answerQuestion = [&](std::size_t) {
        busyWhenAsked.push_back(state.analysisBusy);
        return true;
    };
    prompts.textAnswer = "0"; // every earlier draw asks
    bool busySeen = false;
    state.onChanged = [&] { busySeen = busySeen || state.analysisBusy; };
    const DrawAnalysisResult result = analyseDraws(state, ports);
    EXPECT_TRUE(result.ran);
    EXPECT_TRUE(busySeen);
    EXPECT_GT(busyWhenAsked.size(), 1u);
    EXPECT_EQ(std::count(busyWhenAsked.begin(), busyWhenAsked.end(), true), 0);
    EXPECT_FALSE(state.analysisBusy);
}

TEST_F(AnalysisTest, DrawAnalysisAsksOnlyForARepeatedDraw) {
    useDraws({draw("2015-10-07", {1, 2, 3, 4, 5}, 6), draw("2015-10-10", {7, 19, 33, 45, 60}, 12),
              draw("2015-10-14", {1, 2, 3, 4, 5}, 8), draw("2015-10-17", {1, 2, 3, 40, 50}, 9)});
    state.startDate = day("2015-10-07");
    state.selectedDate = day("2015-10-07");
    DrawAnalysisResult result = analyseDraws(state, ports);
    ASSERT_EQ(prompts.questions.size(), 2u);
    EXPECT_EQ(prompts.questions[1],
              "Ziehung gefunden / Ein Treffer am  07.10.2015 gefunden. Weiter?");
    EXPECT_EQ(result.passes, 3);
    EXPECT_EQ(result.earlier[5], 1);
    EXPECT_EQ(result.earlier[0], 2);
    EXPECT_EQ(result.next[0], 2);
    EXPECT_EQ(result.next[3], 1);
    // Random draws against a row: 3 comparisons with earlier draws, 3 with the next one.
    EXPECT_NEAR(result.expectedEarlier[0], 3 * 7624512.0 / 11238513, 1e-12);
    EXPECT_EQ(result.report[17], "Treffer von Ziehungen in der Datenbank");
    EXPECT_EQ(result.report[18], "0    =>2\t(2,04)");

    // No ends it without a report.
    std::filesystem::remove(folder.file("Test.rtf"));
    prompts.questions.clear();
    prompts.answerQuestion = [](std::size_t n) { return n == 1; };
    state.selectedDate = day("2015-10-07");
    result = analyseDraws(state, ports);
    EXPECT_TRUE(result.endedByUser);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Test.rtf")));
}

TEST_F(AnalysisTest, DrawAnalysisCancelledThresholdRunsNoPass) {
    useDraws(powerball::testing::threeOctoberDraws());
    state.selectedDate = day("2015-10-07");
    prompts.textCancelled = true;
    const DrawAnalysisResult result = analyseDraws(state, ports);
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(result.passes, 0);
    EXPECT_TRUE(shell.opened.empty());

    prompts.textCancelled = false;
    prompts.textAnswer = "x";
    EXPECT_THROW(analyseDraws(state, ports), std::invalid_argument);
}

} // namespace
