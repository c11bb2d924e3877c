#pragma once

#include "app/AppState.h"
#include "draws/DrawImport.h"
#include "draws/DrawRecord.h"
#include "ports/Ports.h"

#include <chrono>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace powerball {

// A proxy port that is not a whole number from 1 to 65535 ends the update.
class ProxyPortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The limits of each update request; the defaults are the program's.
struct UpdateLimits {
    std::chrono::milliseconds connectTimeout{5000};
    std::chrono::milliseconds readTimeout{5000};
    int maxRedirects = 15;
    // The whole walk: once it has passed, the update ends as if the stop button had been
    // pressed, so a server that drips its answers cannot hold the window for long.
    std::chrono::milliseconds overallDeadline{std::chrono::minutes(10)};
    // The clock the deadline is measured on; a test puts one there that it moves itself.
    std::function<std::chrono::steady_clock::time_point()> now = std::chrono::steady_clock::now;
};

// The internet update from the source of the "Internet-Optionen" page. From the update
// server: walks the draw calendar from the newest stored draw not after today up to today,
// asks the server for each draw day, and stores every draw it answers. A day the server has
// nothing for (404, an empty answer) is passed over; a request that fails ends the walk at
// that day and is reported, in a box of its own when nothing came at all. From the public
// results file: one download, and the draws the file lacks are added (FeedUpdate).
class DrawUpdate {
public:
    static constexpr const char* kRequestPath = "/zahlen/powerball.asp?Programm=PowerBall&Datum=";
    static constexpr const char* kLoadingStatus = "Loading";

    // What one update did, for the command line and the tests.
    struct Result {
        bool refused = false;            // another update was running: nothing was done
        std::vector<DayNumber> requests; // the draw days asked for, in order
        std::vector<DrawRecord> appended;
        std::optional<std::string> message; // the server's message that ended the update
        bool stopped = false;               // the stop button ended the walk
        // Why the request of a day failed (no connection, time-out, an error status other
        // than 404); the walk stopped there, so the next update asks for that day again.
        // With the results file: why nothing was stored.
        std::optional<std::string> error;

        // The source asked, and what the results file gave besides the appended draws.
        DrawSource source = DrawSource::Server;
        int httpStatus = 0;              // of the last answer
        bool notModified = false;        // the results file is unchanged since the last fetch
        std::vector<DrawRecord> changed; // stored draws the file gives otherwise: kept
        int unchanged = 0;
        std::vector<SkippedLine> skipped;
    };

    // Runs the whole update on the calling (user-interface) thread. Between requests and
    // for every received draw it lets pending events run, so the stop button and the
    // window keep working; the draw file is only touched here. An update started while
    // one runs is refused.
    static Result run(AppState& state, const Ports& ports, const UpdateLimits& limits = {});

    // The stop button "Stoppt das Einlesen": hides itself; the walk ends before the next
    // request.
    static void stop(AppState& state);

    static std::string requestUrl(const InternetOptions& options, DayNumber day);

    // The proxy of the "Internet-Optionen" page: no proxy when the host is empty.
    static void applyProxy(const InternetOptions& options, HttpRequest& request);

private:
    class Walk;
};

} // namespace powerball
