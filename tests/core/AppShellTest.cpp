#include "app/AppShell.h"

#include "ports/MemoryRegistryStore.h"

#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

TEST(AppShell, StartUpAndFirstActivationShowTheNewestDraw) {
    TempFolder folder;
    writeDrawFile(folder, {draw("2026-08-01", {1, 2, 3, 4, 5}, 6, 2),
                           draw("2026-08-05", {14, 20, 59, 60, 61}, 25, 2)});
    const FixedClock clock(day("2026-12-10"));
    Ports ports;
    ports.clock = &clock;
    AppState state;
    AppShell::startUp(state, ports, folder.path());
    EXPECT_TRUE(state.checkEnabled);
    EXPECT_EQ(state.startDate, DrawCalendar::kDesignedStartDate);
    EXPECT_EQ(state.scanFromDate, state.startDate);
    EXPECT_EQ(state.selectedDate, clock.today());
    EXPECT_EQ(state.maxRuns, 50000);

    AppShell::activate(state, ports);
    EXPECT_EQ(state.drawIndex, 1);
    EXPECT_EQ(DrawCalendar::isoDate(static_cast<int>(state.selectedDate)), "2026-08-05");
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 214");
    // Activation ends with the frequency chart of both draws (average 114.5 to even).
    EXPECT_EQ(state.chart.barCount(), 69);
    EXPECT_EQ(state.chart.caption(), "Zahlenverteilung     Ziehungen: 2    Quersumme: 114");
    EXPECT_EQ(state.pageInFront, Page::TipOverview);
}

class NoticeStore : public MemoryRegistryStore {
public:
    std::string notice() const override { return "Die Einstellungsdatei war beschädigt"; }
};

// A notice of the settings store outlives the first hint: it comes once as a box.
TEST(AppShell, SettingsNoticeIsShownOnceAtTheFirstActivation) {
    TempFolder folder;
    writeDrawFile(folder, {draw("2026-08-01", {1, 2, 3, 4, 5}, 6, 2)});
    const FixedClock clock(day("2026-12-10"));
    NoticeStore store;
    ScriptedPrompts prompts;
    Ports ports;
    ports.clock = &clock;
    ports.registry = &store;
    ports.prompts = &prompts;
    AppState state;
    AppShell::startUp(state, ports, folder.path());
    EXPECT_TRUE(prompts.shown.empty());
    AppShell::activate(state, ports);
    AppShell::activate(state, ports);
    EXPECT_EQ(prompts.shown, std::vector<std::string>{store.notice()});
}

TEST(AppShell, RecentStartDateGoesBackToTheMinimum) {
    const DayNumber today = day("2026-12-10");
    EXPECT_EQ(AppShell::startDateAfterRestore(today - 1, today), DrawCalendar::kMinimumDate);
    EXPECT_EQ(AppShell::startDateAfterRestore(today - 6.5, today), DrawCalendar::kMinimumDate);
    EXPECT_EQ(AppShell::startDateAfterRestore(today - 7, today), today - 7);
    EXPECT_EQ(AppShell::startDateAfterRestore(DrawCalendar::kDesignedStartDate, today),
              DrawCalendar::kDesignedStartDate);
}

} // namespace
