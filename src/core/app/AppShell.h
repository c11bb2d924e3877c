#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

#include <filesystem>

namespace powerball {

// Start-up and activation of the main window, the same for every face.
class AppShell {
public:
    // Everything that happens while the main window is created, in order: scan dates,
    // program folder, restored settings, the start-date rule, the run limit, the selected
    // date of today.
    static void startUp(AppState& state, const Ports& ports,
                        const std::filesystem::path& programFolder);

    // Each time the main window becomes active: language, the draw of the selected date
    // checked against the sheet, the frequency chart; the first time also the start-up
    // notice, if there is one.
    static void activate(AppState& state, const Ports& ports);

    // Closing the main window: every setting is saved. The window fills in its size first.
    static void shutDown(const AppState& state, const Ports& ports);

    // A stored start date later than a week before today goes back to the picker's minimum.
    static double startDateAfterRestore(double restored, DayNumber today);
};

} // namespace powerball
