#pragma once

#include "base/DrawCalendar.h"
#include "draws/DrawRecord.h"
#include "draws/DrawText.h"

#include <optional>
#include <string>
#include <vector>

namespace powerball {

// The draw the window shows; every comparison of a tip with a draw is against it.
struct CurrentDraw {
    double date = 0.0;
    DrawNumbers numbers;
};

// A change of the draw file by hand ("Löschen", "Eingeben") that Ctrl+Z takes back for as long
// as the program runs.
struct DrawChange {
    enum class Kind { Delete, Enter };
    Kind kind = Kind::Delete;
    double date = 0.0;
    std::vector<DrawRecord> before;  // the records of that date before the change
    std::optional<DrawRecord> after; // with Enter: the record stored
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

    std::string databaseDrawText; // draw label of the "Datenbank" page
    std::string panelDrawText;    // draw text of the draw panel
    // The date of the draw the panel shows. The scans of the generator and the analyses move
    // the current draw without showing it; "Löschen" removes the draw the user sees.
    double panelDrawDate = 0.0;
    std::string panelCrossSumText = "Quersumme"; // cross-sum label of the draw panel
    std::optional<int> panelCrossSum;            // the sum it shows, once a draw is shown
    std::string ticketNumber;                    // "Losnummer", shown on the draw panel

    // The hand changes of this run, the newest last.
    std::vector<DrawChange> drawChanges;

    // Shows the current draw on the panel with the text the "Datenbank" page has.
    void showCurrentDrawOnPanel() {
        panelDrawText = databaseDrawText;
        panelDrawDate = currentDraw.date;
    }

    void showPanelCrossSum(const MessageTable& messages, int sum) {
        panelCrossSum = sum;
        panelCrossSumText = crossSumText(messages, sum);
    }
    // The cross-sum label said again in the language of `messages`.
    void renewPanelCrossSum(const MessageTable& messages) {
        panelCrossSumText =
            panelCrossSum ? crossSumText(messages, *panelCrossSum) : messages.text(Msg::CrossSum);
    }

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
