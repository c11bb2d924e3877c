#pragma once

#include "base/DrawCalendar.h"
#include "draws/DrawRecord.h"

#include <string>

namespace powerball {

// The draw the window shows; every comparison of a tip with a draw is against it.
struct CurrentDraw {
    double date = 0.0;
    DrawNumbers numbers;
};

// The shown draw, the date pickers that bound every scan and the draw texts.
struct DrawView {
    CurrentDraw currentDraw;
    int drawIndex = 0;

    // The pickers and the two copies that each scan takes of them.
    double startDate = DrawCalendar::kDesignedStartDate;
    double selectedDate = DrawCalendar::kMinimumDate;
    double scanFromDate = DrawCalendar::kDesignedStartDate;
    double scanToDate = DrawCalendar::kMinimumDate;

    std::string databaseDrawText;                // draw label of the "Datenbank" page
    std::string panelDrawText;                   // draw text of the draw panel
    std::string panelCrossSumText = "Quersumme"; // cross-sum label of the draw panel
    std::string ticketNumber;                    // "Losnummer", shown on the draw panel

    // The date picker of the "Datenbank" page refuses dates before its minimum; such a
    // date is ignored. Returns whether the date was taken.
    bool setSelectedDate(double date) {
        if (date < DrawCalendar::kMinimumDate)
            return false;
        selectedDate = date;
        return true;
    }
};

} // namespace powerball
