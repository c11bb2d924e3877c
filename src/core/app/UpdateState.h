#pragma once

#include "base/RunPhase.h"

namespace powerball {

// The internet update: while it runs both update buttons are disabled (and "Löschen" and
// "Eingeben" with them, which would rewrite the file under it) and the stop button
// "Stoppt das Einlesen" is shown; pressing it asks the update to stop and hides it.
struct UpdateState {
    RunPhase update = RunPhase::Idle;
    bool updateRunning() const { return update != RunPhase::Idle; }
    bool stopButtonVisible() const { return update == RunPhase::Running; }
};

} // namespace powerball
