#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

#include <vector>

namespace powerball {

// "Tipps in DB suchen": replays the draws from the start date to the selected date (both
// included) against the 12 rows, shows each draw and each row's hits, and asks whether to go
// on whenever a row reaches the threshold the user chose. The search leaves the last replayed
// draw as the current draw and the rows' hit texts against it.
struct HistorySearchResult {
    struct Hit {
        double date = 0.0;
        int row = 0; // 1..12
        int hits = 0;
        bool pb = false;
    };
    bool started = false;    // the threshold box was answered with a whole number
    bool reachedEnd = false; // no question was answered with No
    int threshold = 0;
    std::vector<Hit> hits; // every row that raised a question, in order
};

HistorySearchResult searchTipsInHistory(AppState& state, const Ports& ports);

} // namespace powerball
