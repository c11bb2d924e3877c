#include "base/DataAge.h"

namespace powerball {

DataAge DataAge::of(DayNumber newestDraw, DayNumber today) {
    DataAge age;
    age.newestDraw = newestDraw;
    DayNumber last = today - 1;
    while (!DrawCalendar::isDrawDay(last))
        --last;
    age.lastDrawDay = last;
    for (DayNumber day = DrawCalendar::drawDayAfter(newestDraw); day <= last;
         day = DrawCalendar::drawDayAfter(day))
        ++age.missingDraws;
    age.stale = last - newestDraw > kToleratedDays;
    return age;
}

} // namespace powerball
