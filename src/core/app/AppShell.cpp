#include "app/AppShell.h"

#include "app/Settings.h"
#include "app/evaluation/TipCheck.h"
#include "app/stats/NumberStatistics.h"

#include <utility>

namespace powerball {

void AppShell::startUp(AppState& state, const Ports& ports,
                       const std::filesystem::path& programFolder) {
    const DayNumber today = ports.systemClock().today();
    state.scanToDate = today;
    state.programFolder = programFolder;
    state.soundFile = "yippee.wav";
    state.maxRuns = 100000;
    state.checkEnabled = false;

    // The settings; the tip check is switched on once the "Browser" value is read.
    Settings::restore(state, ports.registryStore());
    state.startupNotice = ports.registryStore().notice();
    state.startDate = startDateAfterRestore(state.startDate, today);
    state.maxRuns = state.settings.maxRuns();
    if (state.internet.proxyHost.empty())
        state.internet.proxyPort = "80";
    state.drawFileName = std::string(DrawHistory::kFileName);
    state.drawHistory().removeLeftoverTemporaries();
    state.random.setSeed(ports.systemClock().seedValue());
    state.scanFromDate = state.startDate;
    state.selectedDate = today;
    state.changed();
}

void AppShell::activate(AppState& state, const Ports& ports) {
    evaluateSelectedDate(state, ports);
    showNumberFrequency(state);
    if (!state.startupNotice.empty()) {
        const std::string notice = std::exchange(state.startupNotice, {});
        ports.userPrompts().showPlainText(notice);
    }
}

void AppShell::shutDown(const AppState& state, const Ports& ports) {
    if (const auto failure = Settings::save(state, ports.registryStore()))
        ports.userPrompts().showMessage(state.messages.text(Msg::SettingsNotSaved) + *failure);
    if (const std::string note = ports.registryStore().takeSaveNotice(); !note.empty())
        ports.userPrompts().showMessage(note);
}

double AppShell::startDateAfterRestore(double restored, DayNumber today) {
    return restored > today - 7 ? DrawCalendar::kMinimumDate : restored;
}

} // namespace powerball
