#pragma once

#include "base/DrawCalendar.h"

namespace powerball {

// How far the stored draws lag behind the calendar: the draw days after the newest stored
// draw up to the last draw day before today. Today's own draw may not be out yet, so it never
// counts as missing.
struct DataAge {
    static constexpr int kToleratedDays = 7;

    DayNumber newestDraw = 0;
    DayNumber lastDrawDay = 0;
    int missingDraws = 0;
    // The last draw day lies more than a week after the newest stored draw.
    bool stale = false;

    static DataAge of(DayNumber newestDraw, DayNumber today);
};

} // namespace powerball
