#pragma once

#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"
#include "ports/HttpClient.h"

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// The state lottery's public results file: one CSV export of every draw since 2010, newest
// first, in the public form the import reads,
//   Draw Date,Winning Numbers,Multiplier
//   08/05/2026,14 20 59 60 61 25,2
// The update takes it whole with one GET, reads every line through the draw rule and adds
// the draws the draw file lacks. A stored draw that differs from the file is never replaced
// here: whether the file or the user is right is the user's call, through the import.
//
// Everything here is a function of values (the draw file, an HTTP client, a request, today),
// so that any face can run it: the window, the command line, a server that mirrors the feed.
class ResultsFeed {
public:
    static constexpr std::string_view kDefaultUrl =
        "https://data.ny.gov/api/views/d6yy-54nr/rows.csv?accessType=DOWNLOAD";
    // The whole export is about 100 kB; the limit counts decoded bytes.
    static constexpr std::size_t kMaxBodyBytes = 4 * 1024 * 1024;

    // What the last stored fetch said of the file, sent back to make the next request
    // conditional. They count only while the draw file is as that fetch left it (same
    // address, same number of draws, same newest draw): a draw deleted since must come back.
    struct Validators {
        std::string url;
        std::string etag;
        std::optional<std::chrono::sys_seconds> lastModified;
        std::size_t drawCount = 0;
        DayNumber newestDraw = 0;
        bool operator==(const Validators&) const = default;
    };
    // Kept beside the draw file, not in the settings: they describe that file's state.
    static std::filesystem::path validatorFile(const std::filesystem::path& drawFile);
    static std::string formatValidators(const Validators& validators);
    // Text that is not what formatValidators writes gives no validators: the next fetch is a
    // whole one, which is always safe.
    static Validators parseValidators(std::string_view text);

    // The body as read: nothing when it is not the public form (no header line
    // "Draw Date,Winning Numbers,Multiplier" first: an HTML page, JSON, another game's file).
    // A date given twice with different numbers is believed in neither line.
    struct Content {
        std::vector<DrawRecord> draws;
        std::vector<SkippedLine> skipped;
    };
    static std::optional<Content> read(std::string_view body, DayNumber today);

    enum class Failure {
        None,
        Transfer,      // no connection, a broken-off transfer; `reason` says why
        Status,        // an answer other than 2xx; `reason` is its status line
        TooLarge,      // more than kMaxBodyBytes once decoded
        TimedOut,      // a time-out of the request passed
        Stopped,       // the progress callback stopped the transfer
        NotPublicForm, // the body is not the public results file
    };

    struct Outcome {
        int httpStatus = 0;
        bool notModified = false; // 304: no new draws, nothing read
        Failure failure = Failure::None;
        std::string reason; // the transfer's reason or the answer's status line
        std::string error;  // English, for the command line: why nothing was stored
        std::vector<SkippedLine> skipped;
        std::vector<DrawRecord> added;   // stored, in date order
        std::vector<DrawRecord> changed; // the file's draws that differ from the stored ones
        int unchanged = 0;

        bool failed() const { return failure != Failure::None; }
    };

    // One update of the draw file from the results file. `request` carries the address, the
    // proxy, the time-outs and the progress; the body limit, the decoding and the validators
    // are set here. New draws are added in one locked atomic rewrite; nothing is written when
    // the fetch fails, the body is refused or nothing is new. The validators are renewed
    // after every fetch that was read.
    static Outcome update(const DrawHistory& history, HttpClient& http, HttpRequest request,
                          DayNumber today);
};

} // namespace powerball
