#pragma once

#include "app/AppState.h"
#include "draws/ResultsFeed.h"
#include "ports/Ports.h"

#include <chrono>

namespace powerball {

struct UpdateLimits;

// "Ziehungsdaten laden" with the public results file as its source: one download under the
// update's proxy and limits, the bytes received in status panel 0 while it runs, the stop
// button and Esc heard through the transfer's progress. The draw file is changed by
// ResultsFeed alone.
class FeedUpdate {
public:
    struct Run {
        ResultsFeed::Outcome outcome;
        // The update's deadline ended the transfer (not a stall, not the connection).
        bool pastDeadline = false;
    };
    static Run run(AppState& state, const Ports& ports, const UpdateLimits& limits);

    // The result in the user's language: the status text ("3 neue Ziehungen"), and a box for
    // a failure, for stored draws that differ from the file and for skipped lines.
    static void report(AppState& state, const Ports& ports, const Run& run,
                       const UpdateLimits& limits);
};

} // namespace powerball
