#include "app/AppShell.h"

#include "evaluation/TipCheck.h"
#include "stats/NumberStatistics.h"

namespace powerball {

void AppShell::startUp(AppState& state, const Ports& ports,
                       const std::filesystem::path& programFolder) {
    const DayNumber today = ports.systemClock().today();
    state.scanToDate = today;
    state.programFolder = programFolder;
    state.soundFile = "yippee.wav";
    state.maxRuns = 100000;
    state.checkEnabled = false;

    // From here on leaving a tip field runs the check.
    state.checkEnabled = true;

    state.startDate = startDateAfterRestore(state.startDate, today);
    state.maxRuns = 1000 * kDefaultMaxRunsThousands;
    state.drawFileName = std::string(DrawHistory::kFileName);
    state.random.setSeed(ports.systemClock().seedValue());
    state.scanFromDate = state.startDate;
    state.selectedDate = today;
    state.changed();
}

void AppShell::activate(AppState& state, const Ports& ports) {
    evaluateSelectedDate(state, ports);
    showNumberFrequency(state);
}

double AppShell::startDateAfterRestore(double restored, DayNumber today) {
    return restored > today - 7 ? DrawCalendar::kMinimumDate : restored;
}

} // namespace powerball
